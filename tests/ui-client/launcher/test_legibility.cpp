// Every character of the three texts the progress dialog shows has a glyph,
// in every language, in the font the dialog resolves ("Arial", through
// fontconfig) or in one of the fallback fonts Qt takes for characters that
// font lacks. A character without one is drawn as an empty box.
//
// It checks what the installed fonts give: the packages of
// tools/build-packages.txt must bring glyphs for every script the catalogues
// use (the CJK ones come from a CJK font package).
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QTextLayout>
#include <QTranslator>
#include <gtest/gtest.h>

#include <string>

#include "VeltLocale.h"
#include "launcher.h"
#include "texts/strtab.h"

namespace {

// The characters of text that font, fallbacks included, draws with the
// missing-glyph box (glyph 0) or with no glyph at all, as "U+XXXX ...".
std::string MissingGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(100000);
    layout.endLayout();
    QStringList missing;
    const QVector<uint> points = text.toUcs4();
    for (int i = 0, pos = 0; i < points.size(); pos += QChar::requiresSurrogates(points[i]) ? 2 : 1, ++i) {
        if (QChar::isSpace(points[i]))
            continue;
        int glyphs = 0;
        bool box = false;
        for (const QGlyphRun& run : layout.glyphRuns(pos, QChar::requiresSurrogates(points[i]) ? 2 : 1)) {
            for (quint32 glyph : run.glyphIndexes()) {
                ++glyphs;
                box = box || glyph == 0;
            }
        }
        if (glyphs == 0 || box)
            missing.append(QStringLiteral("U+%1").arg(points[i], 4, 16, QLatin1Char('0')).toUpper());
    }
    return missing.join(QLatin1Char(' ')).toStdString();
}

QFont DialogFont(const ProcessingProgressDialog& dialog)
{
    const QLabel* label = dialog.findChild<QLabel*>();
    return label != nullptr ? label->font() : dialog.font();
}

class ShownTexts : public ::testing::TestWithParam<std::string> {};

}  // namespace

// The check itself: it must see a box where there is one.
TEST(MissingGlyphs, FindsTheCharactersNoFontHas)
{
    ProcessingProgressDialog dialog;
    const QFont font = DialogFont(dialog);
    EXPECT_EQ(MissingGlyphs(QStringLiteral("Skylet Backup"), font), "");
    // U+0378 is unassigned and U+10FFFD a private-use character: no font
    // installed here maps either.
    const QString text = QStringLiteral("a") + QChar(0x378) + QStringLiteral("b ") + QString::fromUcs4(U"\U0010FFFD");
    EXPECT_EQ(MissingGlyphs(text, font), "U+0378 U+10FFFD");
}

TEST_P(ShownTexts, HaveAGlyphForEveryCharacter)
{
    const QString code = QString::fromStdString(GetParam());
    QTranslator translator;
    ASSERT_TRUE(translator.load(":/" + code + ".qm", QString(), QString(), QString()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    // Built as the launcher builds it, after the catalogue is installed.
    ProcessingProgressDialog dialog;
    const QLabel* label = dialog.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    const QString preparing = translator.translate("global", "Skylet Backup is initializing...");
    ASSERT_FALSE(preparing.isEmpty());
    ASSERT_EQ(label->text(), preparing);

    const QFont font = DialogFont(dialog);
    const QString resolved = QFontInfo(font).family();
    const QString texts[] = {dialog.windowTitle(), preparing,
                             StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done)};
    for (const QString& text : texts) {
        EXPECT_EQ(MissingGlyphs(text, font), "")
            << "no glyph in \"" << qPrintable(font.family()) << "\" (" << qPrintable(resolved)
            << ") or its fallbacks for these characters of \"" << qPrintable(text) << '"';
    }
    QCoreApplication::removeTranslator(&translator);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShownTexts, ::testing::ValuesIn([] {
                             std::vector<std::string> codes;
                             for (const QString& code : VeltLocale::getSupportedLanguages())
                                 codes.push_back(code.toStdString());
                             return codes;
                         }()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

int main(int argc, char** argv)
{
    // The offscreen platform reads the fonts through fontconfig, as the
    // desktop platforms do; the minimal platform has no fonts unless asked.
    if (SKYLET_SANITIZED)
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts:fontconfig");
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

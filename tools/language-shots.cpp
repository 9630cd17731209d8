// Renders the launcher's progress dialog in every language and saves one PNG
// per language, <out-dir>/<code>.png: the dialog while the copy is prepared
// above the dialog once it is ready. It uses the launcher's own dialog class,
// catalogues and string table, so the pictures show what a user of that
// language sees with this machine's fonts. Under X with a window manager the
// window frame is captured too; elsewhere (offscreen) the dialog alone.
//
// Usage: language-shots OUT_DIR [CODE...]   (all languages by default)
// Prints one line per language with the fonts that drew its texts.
//
// Each language renders in a process of its own with fontconfig's language
// set to it (FC_LANG, read once per process), as on a desktop in that
// language: the same Han character has a different form in Chinese,
// Japanese and Korean fonts, and fontconfig picks the fallback by language.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <QThread>
#include <QTranslator>
#include <QWindow>

#include <cstdio>

#include "VeltLocale.h"
#include "launcher.h"
#include "texts/strtab.h"

int qInitResources_texts();

namespace {

// fontconfig's language for each catalogue.
const char* const kFontLanguages[][2] = {
    {"enu", "en"}, {"cht", "zh-tw"}, {"chs", "zh-cn"}, {"jpn", "ja"}, {"deu", "de"},
    {"krn", "ko"}, {"fra", "fr"}, {"ita", "it"}, {"esn", "es"}, {"ptb", "pt"},
    {"rus", "ru"}, {"dan", "da"}, {"nor", "nb"}, {"sve", "sv"}, {"nld", "nl"},
    {"plk", "pl"}, {"hun", "hu"}, {"ptg", "pt"}, {"trk", "tr"}, {"csy", "cs"},
};

const char* FontLanguage(const char* code)
{
    for (const auto& entry : kFontLanguages)
        if (qstrcmp(entry[0], code) == 0)
            return entry[1];
    return nullptr;
}

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Lets the window be mapped, framed by the window manager and painted.
void Settle(QWidget* window)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QWindow* handle = window->windowHandle();
        const bool exposed = handle != nullptr && handle->isExposed();
        // Without a window manager the frame never comes; give up on it
        // after a second.
        const bool framed = window->frameGeometry() != window->geometry() || timer.elapsed() > 1000;
        if (exposed && (!OnX11() || framed))
            break;
        QThread::msleep(20);
    }
    window->repaint();
    // The window manager draws the title bar in its own time.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

QImage Capture(QWidget* window)
{
    Settle(window);
    if (OnX11()) {
        // From the root window, to take the frame the window manager drew.
        const QRect frame = window->frameGeometry();
        const QImage image = QGuiApplication::primaryScreen()
                                 ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                                 .toImage();
        if (!image.isNull())
            return image;
    }
    return window->grab().toImage();
}

// The fonts that draw text in font, fallbacks included.
QStringList FontsUsed(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(100000);
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (!families.contains(family))
            families.append(family);
    }
    return families;
}

bool Render(const QString& code, const QString& out_dir)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral(":/") + code + QStringLiteral(".qm"), QString(), QString(), QString()) ||
        translator.isEmpty()) {
        fprintf(stderr, "language-shots: %s: no embedded catalogue\n", qPrintable(code));
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    const QString ready = StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done);

    // Set up as the launcher sets it up for an upgrade.
    ProcessingProgressDialog dialog;
    dialog.setCancelButton(nullptr);
    dialog.setAutoReset(false);
    dialog.move(40, 40);
    dialog.setValue(40);
    dialog.show();
    const QImage preparing = Capture(&dialog);
    const QLabel* label = dialog.findChild<QLabel*>();
    const QString preparing_text = label != nullptr ? label->text() : QString();
    const QFont font = label != nullptr ? label->font() : dialog.font();
    dialog.setValue(100);
    dialog.setLabelText(ready);
    const QImage done = Capture(&dialog);
    dialog.hide();
    QCoreApplication::removeTranslator(&translator);

    if (preparing.isNull() || done.isNull()) {
        fprintf(stderr, "language-shots: %s: the dialog could not be captured\n", qPrintable(code));
        return false;
    }
    const int gap = 8;
    QImage sheet(qMax(preparing.width(), done.width()) + 2 * gap, preparing.height() + done.height() + 3 * gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x5a, 0x6e, 0x82));
    QPainter painter(&sheet);
    painter.drawImage(gap, gap, preparing);
    painter.drawImage(gap, preparing.height() + 2 * gap, done);
    painter.end();

    const QString path = QDir(out_dir).filePath(code + QStringLiteral(".png"));
    if (!sheet.save(path, "PNG")) {
        fprintf(stderr, "language-shots: %s: cannot write %s\n", qPrintable(code), qPrintable(path));
        return false;
    }
    QStringList fonts = FontsUsed(preparing_text, font);
    for (const QString& family : FontsUsed(ready, font))
        if (!fonts.contains(family))
            fonts.append(family);
    printf("%s: %s (\"%s\" resolves to %s; drawn with %s)\n", qPrintable(code), qPrintable(path),
           qPrintable(font.family()), qPrintable(QFontInfo(font).family()), qPrintable(fonts.join(", ")));
    return true;
}

// Runs this program once per language.
int RenderEach(const QString& out_dir, const QStringList& codes)
{
    int failed = 0;
    for (const QString& code : codes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {out_dir, code});
        if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            fprintf(stderr, "language-shots: %s: failed\n", qPrintable(code));
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: language-shots OUT_DIR [CODE...]\n");
        return 2;
    }
    if (argc != 3) {
        QCoreApplication app(argc, argv);
        const QStringList args = QCoreApplication::arguments();
        return RenderEach(args.at(1), argc > 3 ? args.mid(2) : VeltLocale::getSupportedLanguages());
    }
    const char* language = FontLanguage(argv[2]);
    if (language == nullptr) {
        fprintf(stderr, "language-shots: %s: not a language code\n", argv[2]);
        return 2;
    }
    qputenv("FC_LANG", language);
    QApplication app(argc, argv);
    qInitResources_texts();
    const QString out_dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out_dir)) {
        fprintf(stderr, "language-shots: cannot create %s\n", qPrintable(out_dir));
        return 1;
    }
    StrTable::InitStrTable();
    const bool ok = Render(QString::fromLatin1(argv[2]), out_dir);
    fflush(stdout);
    return ok ? 0 : 1;
}

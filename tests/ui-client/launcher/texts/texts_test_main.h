// What the test program saw before it created its application object.
#ifndef TESTS_TEXTS_MAIN_H
#define TESTS_TEXTS_MAIN_H

#include <QMap>
#include <QString>

// Resource path -> whether it existed before main made the QCoreApplication.
const QMap<QString, bool> &ResourcesBeforeApplication();

#endif

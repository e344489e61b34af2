#pragma once

// The import tests' own corpus of airfoil files, tests/data/import.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace rw::test {

inline QString corpusPath(const char* name) {
    return QStringLiteral(RIBWRIGHT_TEST_DATA "/import/") + QLatin1String(name);
}

inline QByteArray corpusBytes(const char* name) {
    QFile f(corpusPath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace rw::test

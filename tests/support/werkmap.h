#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh, empty working directory with a data/ folder for the length of one test; the previous
// working directory comes back when it goes out of scope, also when the test fails.
class Werkmap
{
public:
    Werkmap()
        : m_vorige(QDir::currentPath())
    {
        QDir::setCurrent(m_map.path());
        QDir().mkpath(QStringLiteral("data"));
    }
    ~Werkmap() { QDir::setCurrent(m_vorige); }
    Werkmap(const Werkmap&) = delete;
    Werkmap& operator=(const Werkmap&) = delete;

    static void Schrijf(const QString& pad, const QByteArray& inhoud)
    {
        QFile bestand(pad);
        if (bestand.open(QIODevice::WriteOnly))
            bestand.write(inhoud);
    }

private:
    QTemporaryDir m_map;
    QString m_vorige;
};

#include "meetpunt.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <cstdio>
#include <ctime>

namespace {

long long Nu()
{
    timespec tijd {};
    clock_gettime(CLOCK_MONOTONIC, &tijd);
    return static_cast<long long>(tijd.tv_sec) * 1'000'000'000LL + tijd.tv_nsec;
}

long long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray regel = status.readLine(); !regel.isEmpty(); regel = status.readLine()) {
        if (regel.startsWith("VmRSS:"))
            return regel.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void Meld(const char* wat)
{
    std::printf("%s %lld %lld\n", wat, Nu(), ResidentKiB());
    std::fflush(stdout);
}

// Reports once, after the first paint of the watched widget or of anything in it has been handled.
class Eerstetekening final : public QObject
{
public:
    Eerstetekening(QWidget& widget, const char* wat, std::function<void()> daarna)
        : QObject(&widget)
        , m_widget(widget)
        , m_wat(wat)
        , m_daarna(std::move(daarna))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && widget && (widget == &m_widget || m_widget.isAncestorOf(widget))) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                Meld(m_wat);
                if (m_daarna)
                    m_daarna();
            });
        }
        return false;
    }

private:
    QWidget& m_widget;
    const char* m_wat;
    std::function<void()> m_daarna;
};

void OpenVoorMeting(QMainWindow& venster, const QStringList& delen)
{
    auto* actie = venster.findChild<QAction*>(delen.value(1));
    auto* werkruimte = venster.findChild<QMdiArea*>();
    if (!actie || !werkruimte)
        return;
    actie->trigger();
    QMdiSubWindow* sub = werkruimte->activeSubWindow();
    if (!sub || !sub->widget())
        return;
    if (delen.size() > 2)
        QMetaObject::invokeMethod(sub->widget(), "KlikTab", Q_ARG(int, delen.value(2).toInt()));
    new Eerstetekening(*sub->widget(), "geopend", {});
}

} // namespace

void ZetMeetpunt(QWidget& eersteVenster, const std::function<QMainWindow*()>& naarHoofdvenster)
{
    const QString meetpunt = qEnvironmentVariable("TALLORA_MEETPUNT");
    if (meetpunt.isEmpty())
        return;
    const QStringList delen = meetpunt.split(u':');
    if (delen.value(0) == QLatin1String("eerste")) {
        new Eerstetekening(eersteVenster, "getekend", [] { QCoreApplication::quit(); });
        return;
    }
    // As a child who clicks once the start window is on screen.
    new Eerstetekening(eersteVenster, "eerste", [naarHoofdvenster, delen] {
        Meld("klik");
        QMainWindow* hoofdvenster = naarHoofdvenster();
        if (!hoofdvenster)
            return;
        QMainWindow& hoofd = *hoofdvenster;
        new Eerstetekening(hoofd, "getekend", [&hoofd, delen] {
            if (delen.value(0) == QLatin1String("open"))
                OpenVoorMeting(hoofd, delen);
            else
                QCoreApplication::quit();
        });
    });
}

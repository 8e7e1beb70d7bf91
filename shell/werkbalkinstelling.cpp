#include "werkbalkinstelling.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Bestandsinfo = struct stat;

const char* const bestand = "data/werkbalk.dat";
constexpr off_t grootsteInhoud = 256;

// Closes the descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int nummer)
        : m_nummer(nummer)
    { }
    ~Descriptor()
    {
        if (m_nummer >= 0)
            ::close(m_nummer);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int nummer() const { return m_nummer; }

private:
    int m_nummer;
};

// The file's bytes, or nothing when the name is not a small regular file of its own.
std::optional<QByteArray> LeesInhoud()
{
    Bestandsinfo vooraf {};
    if (::lstat(bestand, &vooraf) != 0 || !S_ISREG(vooraf.st_mode) || vooraf.st_size > grootsteInhoud)
        return std::nullopt;
    // Should the name be swapped in the meantime, a link is not followed and a FIFO does not wait;
    // the check on the opened file then finds that it is no longer the same one.
    const Descriptor invoer(::open(bestand, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    Bestandsinfo geopend {};
    if (invoer.nummer() < 0 || ::fstat(invoer.nummer(), &geopend) != 0 || geopend.st_ino != vooraf.st_ino
        || geopend.st_dev != vooraf.st_dev)
        return std::nullopt;
    std::array<char, grootsteInhoud> buffer {};
    const ssize_t gelezen = ::read(invoer.nummer(), buffer.data(), buffer.size());
    if (gelezen < 0)
        return std::nullopt;
    return QByteArray(buffer.data(), gelezen);
}

bool SchrijfAlles(int nummer, const QByteArray& inhoud)
{
    return ::write(nummer, inhoud.constData(), static_cast<size_t>(inhoud.size())) == inhoud.size()
        && ::fsync(nummer) == 0;
}

// What stands under the name: nothing, a regular file that may be written (and so replaced), or
// anything else, a read-only file included.
enum class Plek { Vrij, Bestand, Bezet };

Plek BekijkPlek(Bestandsinfo& info)
{
    if (::lstat(bestand, &info) != 0)
        return errno == ENOENT ? Plek::Vrij : Plek::Bezet;
    const bool schrijfbaar = (info.st_mode & S_IWUSR) != 0 && ::access(bestand, W_OK) == 0;
    return S_ISREG(info.st_mode) && schrijfbaar ? Plek::Bestand : Plek::Bezet;
}

} // namespace

bool LeesWerkbalkTonen()
{
    const std::optional<QByteArray> inhoud = LeesInhoud();
    if (!inhoud)
        return true;
    bool getal = false;
    const short waarde = QString::fromLatin1(*inhoud).section(u'\n', 0, 0).trimmed().toShort(&getal);
    return !getal || waarde == 1;
}

void BewaarWerkbalkTonen(bool tonen)
{
    Bestandsinfo huidig {};
    const Plek plek = BekijkPlek(huidig);
    if (plek == Plek::Bezet)
        return;
    // Written beside it and renamed over it: a rename replaces the name itself and never writes
    // through a link, and a half-written file never stands under the name. A name of this process
    // left by an earlier run with the same process id is removed first.
    const QByteArray tijdelijk = QByteArray(bestand) + '.' + QByteArray::number(::getpid());
    ::unlink(tijdelijk.constData());
    const Descriptor uitvoer(::open(tijdelijk.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (uitvoer.nummer() < 0)
        return;
    const bool geschreven = (plek == Plek::Vrij || ::fchmod(uitvoer.nummer(), huidig.st_mode & 07777) == 0)
        && SchrijfAlles(uitvoer.nummer(), tonen ? "1\r\n" : "0\r\n");
    if (!geschreven || BekijkPlek(huidig) == Plek::Bezet || ::rename(tijdelijk.constData(), bestand) != 0)
        ::unlink(tijdelijk.constData());
}

#pragma once

#include <QString>

namespace zedur {

// Who has a set of books: the program, or a command of the command line.
struct BooksHolder {
    QString program; // "zedur", "zedur-cli"; empty when not known
    QString command; // the command line's command with its month: "close 2005-04"

    static BooksHolder theProgram() { return {QStringLiteral("zedur"), {}}; }
    static BooksHolder commandLine(const QString &command) { return {QStringLiteral("zedur-cli"), command}; }
};

// A claim on one set of books among the programs of this machine, of one kind (`purpose`,
// "programs" for the program and the command line's writing commands). It is a lock file
// in the temporary folder named after the books' identity, held shared (the program: several
// users may have the same server books open) or alone (a writing command); the system lets
// it go however its holder ends. A holder writes who it is into the file, so that whoever
// is refused can say who has the books.
class BooksClaim
{
public:
    enum class Mode { Shared, Alone };
    // Tries once, without waiting.
    BooksClaim(const QString &location, const QString &purpose, Mode mode, const BooksHolder &self = {});
    ~BooksClaim();
    BooksClaim(const BooksClaim &) = delete;
    BooksClaim &operator=(const BooksClaim &) = delete;

    bool held() const { return m_held; }
    // When not held: who has the books, as far as the lock file tells.
    const BooksHolder &holder() const { return m_holder; }

private:
    int m_fd = -1;
    bool m_held = false;
    BooksHolder m_holder;
};

// The claim the program and the command line's writing commands take on their books.
inline const QString programsClaim = QStringLiteral("programs");

// The same books, however they are named: the canonical path of the file (a link or "../"
// names the same file), or for books on a server its host, port and database.
QString booksIdentity(const QString &location);

// The refusal while `holder` has the books: who has them, and when to try again.
QString booksHeldText(const BooksHolder &holder);

} // namespace zedur

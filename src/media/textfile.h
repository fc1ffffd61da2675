// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sequential reading of entries from a text file written in Shift_JIS as
// Windows code page 932, the way a teacher's Windows editor used to save it,
// or in UTF-8, the way editors save it now.
//
// How a file is cut into entries
// ------------------------------
// * An entry ends at a comma or at a line end. CR LF is one line end; a lone
//   CR or a lone LF is a line end as well. The delimiter that ends an entry is
//   used up with it, so the next read starts right after it.
// * An empty line, or nothing between two commas, is an empty entry and counts
//   like any other entry.
// * ASCII spaces and tabs at both ends of an unquoted entry are dropped. The
//   ideographic space U+3000 is text, not a blank: a caption may start with it
//   to indent itself, so it is kept wherever it stands.
// * An entry may be enclosed in double quotes (blanks before the opening quote
//   are allowed and dropped). Inside the quotes a comma or a line end is
//   ordinary text, a doubled quote "" stands for one quote character, and
//   nothing is trimmed. A line end inside quotes comes out as a single "\n"
//   whether it was written CR LF, CR or LF.
// * Text between the closing quote and the delimiter is appended to the
//   entry as it stands, less trailing spaces and tabs: "abc"def gives abcdef.
//   This loses nothing the teacher typed.
// * A quote in the middle of an unquoted entry is an ordinary character.
// * A quote that is never closed makes the entry run to the end of the file.
// * The last line needs no line end: its text is still an entry. A read that
//   finds the file already used up, without a single byte left, finds no
//   entry; so "a,b" and "a,b\r\n" both hold two entries, while "a,b," holds
//   two as well (nothing follows the last comma).
// * One entry may hold at most maxEntryBytes bytes. A longer one is almost
//   certainly not a caption file at all, and is reported instead of being
//   loaded into memory.
//
// Decoding
// --------
// Every delimiter byte (comma, quote, CR, LF, space, tab) is below 0x40 and
// every second byte of a two-byte code page 932 character is 0x40 or above,
// so the file is cut at byte level and each entry's bytes are decoded on their
// own afterwards, with Qt's "windows-31j" converter (ICU), which knows the
// Windows extensions such as ① and maps 0x8160 to the full-width tilde
// U+FF5E. The byte 0x5C stays a backslash. Half-width katakana decode as such.
//
// An entry holding bytes that are not valid code page 932 (a lone first byte,
// an unassigned code, 0x80, 0xA0, 0xFD..0xFF) is a failure naming the entry
// number: a teacher would rather be told which caption to fix than see a
// garbled one on the children's screen.
//
// UTF-8
// -----
// Editors save UTF-8 nowadays, Windows Notepad among them, so a file is read
// as UTF-8 when it starts with the UTF-8 byte-order mark (which is dropped),
// or when the first chunk of the file that holds any byte above 0x7F is
// valid UTF-8 throughout. Japanese text in code page 932 is practically never
// valid UTF-8 (its two-byte characters do not follow UTF-8's lead and
// continuation pattern), so a code page 932 file is read as such, exactly as
// without this rule; a file of ASCII alone reads the same either way. Every
// delimiter is ASCII and no byte of a UTF-8 sequence is, so cutting entries at
// byte level holds for UTF-8 too. An entry that is not valid UTF-8 in a file
// read as UTF-8 is a failure naming the entry, as above.
//
// Control characters have no place in a caption; they are passed on as the
// converter gives them (ICU exchanges 0x1A, 0x1C and 0x7F among each other
// where Windows keeps them as they are).
//
// Reading
// -------
// The file is read through QFile in modest chunks, never as a whole, and only
// as far as the entries actually asked for: after the last wanted entry
// nothing more of the file is looked at, however large it is. The file is
// opened in the constructor and closed by close() or the destructor.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace sakana {

class TextFile {
public:
    enum class Encoding {
        Undecided,  // nothing but ASCII read so far
        ShiftJis,
        Utf8,
    };

    static constexpr qsizetype chunkBytes = 16 * 1024;
    static constexpr qsizetype maxEntryBytes = 64 * 1024;

    // Opens the file. Throws MediaError if it does not exist or cannot be
    // opened for reading.
    explicit TextFile(const QString &path);
    ~TextFile();

    TextFile(const TextFile &) = delete;
    TextFile &operator=(const TextFile &) = delete;

    // Reads the next entry. Returns nothing once the file is used up.
    // Throws MediaError when the file cannot be read further, when the entry
    // is not valid code page 932 or when it is too long.
    std::optional<QString> readEntry();

    // The line the entry last read starts on, counting from 1: every line
    // end (CR LF, CR or LF, inside quotes too) starts a new line.
    int entryLine() const noexcept { return entryLine_; }

    // How the file is decoded, as far as it has been read.
    Encoding encoding() const noexcept { return encoding_; }

    // Closes the file early; further reads find nothing.
    void close() noexcept;

private:
    // The next byte without using it up, or -1 at the end of the file.
    int peekByte();
    // The next byte, used up, or -1 at the end of the file.
    int takeByte();
    bool fillBuffer();
    void decideEncoding();
    void append(QByteArray &bytes, char c) const;
    QString decode(const QByteArray &bytes) const;

    QString path_;
    QFile file_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    bool atEnd_ = false;
    int entriesRead_ = 0;
    int line_ = 1;       // the line the next byte stands on
    int entryLine_ = 0;  // where the entry last read starts
    bool firstChunk_ = true;
    Encoding encoding_ = Encoding::Undecided;
};

} // namespace sakana

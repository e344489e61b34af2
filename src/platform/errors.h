#pragma once

#include <QString>

#include <exception>

namespace rw {

// The one error type of the program: it carries the exact text the user sees. The window shows it
// in a message box at the edge of each action; the command-line exporter prints it.
class RibwrightError : public std::exception {
  public:
    explicit RibwrightError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString text_;
    QByteArray utf8_;
};

// A failure to create, read or write a file. `code` says which of the failures the user is told
// apart (2 not found, 3 bad name, 4 too many open files, 5 access denied, 101 disk full, …);
// any other system error keeps its errno value.
class FileError : public RibwrightError {
  public:
    FileError(QString text, int code, QString path, QString systemReason)
        : RibwrightError(std::move(text)),
          code_(code),
          path_(std::move(path)),
          systemReason_(std::move(systemReason)) {}
    int code() const { return code_; }
    const QString& path() const { return path_; }
    const QString& systemReason() const { return systemReason_; }

  private:
    int code_;
    QString path_;
    QString systemReason_;
};

// Memory for a large piece of work (the sheet image) could not be had.
class OutOfMemoryError : public RibwrightError {
  public:
    using RibwrightError::RibwrightError;
};

// A number the user typed (or the airfoil text holds) that does not convert.
class ConversionError : public RibwrightError {
  public:
    using RibwrightError::RibwrightError;
};

// Floating-point faults are detected explicitly and reported with these texts.
QString divisionByZeroText();    // "0 による浮動小数点数除算"
QString invalidOperationText();  // "不正な浮動小数点数演算命令"
[[noreturn]] void throwDivisionByZero();
[[noreturn]] void throwInvalidOperation();

// The token is shortened to 40 characters and "…".
QString floatConversionErrorText(const QString& token);
QString integerConversionErrorText(const QString& token);

// The text for a file error code; other codes read "I/O エラー %d" with the number.
QString fileErrorText(int code);
// Maps an errno value onto the file error codes.
int fileErrorCodeFromErrno(int errnoValue);
// The text shown when an image file cannot be created, with the path and the system's reason.
QString imageCreateErrorText(const QString& path, const QString& systemReason);
// The text shown when the memory for a piece of work cannot be had: "メモリが不足しています".
QString outOfMemoryText();
// A file that is read only when it is a regular file met a FIFO, a device or the like.
QString notARegularFileText();
// A file larger than the reader takes; `limitKiB` is its limit.
QString fileTooLargeText(qint64 limitKiB);

}  // namespace rw

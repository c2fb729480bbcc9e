#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace e2e {

// The CLIPBOARD selection of one X display, read and filled with xclip as
// a person's other programs would.
class XClipboard
{
public:
    explicit XClipboard(QProcessEnvironment toolEnvironment);
    ~XClipboard();
    XClipboard(const XClipboard &) = delete;
    XClipboard &operator=(const XClipboard &) = delete;

    // The text on the clipboard as UTF-8. When no program offers text, xclip
    // prints nothing and exits with 1: that reads as the empty text, since
    // pasting gives nothing either way. Empty optional when xclip itself
    // failed (no display, say), with the reason in error.
    std::optional<QString> read(QString *error) const;

    // Puts text on the clipboard the way another program would: an xclip
    // that owns the selection until someone else takes it. True once the
    // text reads back.
    bool offer(const QString &text, QString *error);

    // Reads until the clipboard holds expected or the limit passes; returns
    // the last text read, or a description of xclip's failure.
    QString waitFor(const QString &expected, std::chrono::milliseconds limit) const;

private:
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_owners;
};

} // namespace e2e

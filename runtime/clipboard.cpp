#include "runtime/clipboard.h"

#include "runtime/runtime_error.h"

#include <QApplication>
#include <QClipboard>

namespace runtime {
namespace {

QClipboard &systemClipboard()
{
    QClipboard *board = QApplication::clipboard();
    if (!board)
        throw RuntimeError(errors::invalidCall, errors::invalidCallText);
    return *board;
}

} // namespace

void Clipboard::Clear() const
{
    systemClipboard().clear(QClipboard::Clipboard);
}

void Clipboard::SetText(const std::string &text) const
{
    systemClipboard().setText(QString::fromStdString(text), QClipboard::Clipboard);
}

Clipboard &clipboard()
{
    static Clipboard theClipboard;
    return theClipboard;
}

} // namespace runtime

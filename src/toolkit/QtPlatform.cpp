#include "toolkit/QtPlatform.h"

#include "toolkit/TextEncoding.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace korvelin {

QtPlatform::QtPlatform(QWidget *owner) : owner_(owner) {}

void QtPlatform::SetOwner(QWidget *owner)
{
    owner_ = owner;
}

void QtPlatform::ShowMessage(std::string_view text)
{
    QWidget *owner = owner_.data();
    QMessageBox box(QMessageBox::NoIcon, owner ? owner->windowTitle() : QString(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, owner);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}

void QtPlatform::ShowErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
    box.exec();
}

std::optional<QString> QtPlatform::ShowFileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(owner_.data(), request.title, request.initialFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filter.isEmpty()) {
        // "*.*" means every file on Windows; on Linux it would skip names
        // without a dot.
        QString filter = request.filter;
        filter.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        dialog.setNameFilter(filter);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList picked = dialog.selectedFiles();
    if (picked.isEmpty())
        return std::nullopt;
    return picked.first();
}

void QtPlatform::SetClipboardText(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    // Programs that read the clipboard as single-byte Cyrillic text find the
    // code page 1251 bytes beside the Unicode text.
    if (const std::optional<QByteArray> bytes = EncodeCodePage1251(text))
        data->setData(QStringLiteral("text/plain;charset=windows-1251"), *bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtPlatform::OpenUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace korvelin

#include "helpText.h"

#include <QMessageBox>
#include <QTextStream>

#include "mdlResFiles.h"

namespace {

constexpr int kInstructions = 107;

void ShowFailure(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Lumidex"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

std::optional<QString> LoadHelpText(QWidget *messageParent)
{
    // The file is deleted when `file` goes out of scope, on every path.
    const auto file = mdlResFiles::GetTempName({}, QStringLiteral("~rs"));
    if (!file) {
        ShowFailure(messageParent, QMessageBox::Critical, QStringLiteral("Unable to get temp file name!"));
        return std::nullopt;
    }
    if (mdlResFiles::SaveResItem(kInstructions, QStringLiteral("TEXT"), *file) != QFileDevice::NoError) {
        ShowFailure(messageParent, QMessageBox::Critical, QStringLiteral("Unable to save resource item to disk!"));
        return std::nullopt;
    }

    QString text;
    if (file->seek(0)) {
        QTextStream in(file.get());
        while (!in.atEnd())
            text += in.readLine() + u'\n';
    }
    if (file->error() != QFileDevice::NoError) {
        ShowFailure(messageParent, QMessageBox::NoIcon,
                    file->errorString() + QStringLiteral("  ") + QString::number(file->error()));
        return std::nullopt;
    }
    // The resource ends in NULs; the panel shows what comes before them.
    return mdlResFiles::StripNull(text);
}

#include "helpText.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTextStream>

#include "ResourceIds.h"
#include "mdlResFiles.h"

namespace {

// The context the help panel's messages are translated in.
struct HelpText {
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

void ShowFailure(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Lumidex"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

std::optional<QString> LoadHelpText(QWidget *messageParent)
{
    // The file is deleted when `file` goes, on every path.
    auto file = mdlResFiles::GetTempName({}, QStringLiteral("~rs"));
    if (!file) {
        ShowFailure(messageParent, QMessageBox::Critical, HelpText::tr("Unable to get temp file name!"));
        return std::nullopt;
    }
    // A message box waits for the user: the file goes first, so that none is
    // left behind meanwhile, or if the session ends under the box.
    auto fail = [&](QMessageBox::Icon icon, const QString &text) -> std::optional<QString> {
        file.reset();
        ShowFailure(messageParent, icon, text);
        return std::nullopt;
    };
    if (mdlResFiles::SaveResItem(ResourceIds::kInstructions, QStringLiteral("TEXT"), *file) != QFileDevice::NoError)
        return fail(QMessageBox::Critical, HelpText::tr("Unable to save resource item to disk!"));

    QString text, line;
    if (file->seek(0)) {
        QTextStream in(file.get());
        // Ends at the end of the file or at a read error, whichever comes first.
        while (in.readLineInto(&line))
            text += line + u'\n';
    }
    if (file->error() != QFileDevice::NoError)
        return fail(QMessageBox::NoIcon, file->errorString() + QStringLiteral("  ") + QString::number(file->error()));
    // The resource ends in NULs; the panel shows what comes before them, in
    // the player's language (English as stored, byte for byte).
    return QCoreApplication::translate("Instructions", mdlResFiles::StripNull(text).toUtf8().constData());
}

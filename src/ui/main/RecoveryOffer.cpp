#include "RecoveryOffer.h"

#include <QDir>
#include <QLocale>
#include <QWidget>

#include "DocumentCommands.h"
#include "core/DocumentState.h"
#include "RecoveryKeeper.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/RecoveryCopies.h"

namespace {

enum Choice { kRestore, kDiscard, kLater };

QString ShownName(const QString& documentPath)
{
    return documentPath == QLatin1String(kUntitled) ? documentPath : QDir::toNativeSeparators(documentPath);
}

}  // namespace

void OfferLeftCopies(RecoveryKeeper& keeper, DocumentCommands& commands, Prompter& prompter, QWidget& window)
{
    for (recovery::LeftCopy& left : recovery::findLeftCopies(keeper.folder())) {
        const std::optional<recovery::Copy> copy = left.read();
        if (!copy) {
            // A description without data holds no edits: the program ended between the two writes.
            if (!left.hasData()) {
                left.discard();
                continue;
            }
            const QString before = QDir::toNativeSeparators(left.dataPath());
            const QString kept = QDir::toNativeSeparators(left.setAside());
            ShowNotice(prompter, &window, QText(TextId::RecoveryCopyUnreadable).arg(before, kept),
                       ProductTitle(), Prompter::Icon::Exclamation);
            continue;
        }
        const QString text = QText(TextId::RecoveredChanges)
                                 .arg(ShownName(copy->documentPath),
                                      QLocale().toString(copy->time.toLocalTime(), QLocale::ShortFormat));
        const int choice = prompter.choose(
            &window, text, ProductTitle(), Prompter::Icon::Question,
            {QText(TextId::Restore), QText(TextId::Discard), QText(TextId::Later)}, kRestore, kLater);
        if (choice == kDiscard) left.discard();
        if (choice != kRestore) continue;
        commands.RestoreUnsaved(copy->image, copy->documentPath);
        // Until the document is safe in this program's own copy, the old one stays.
        if (keeper.writeNow().isEmpty()) left.discard();
        return;
    }
}

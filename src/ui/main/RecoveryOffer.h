#pragma once

class DocumentCommands;
class Prompter;
class QWidget;
class RecoveryKeeper;

// At start-up, each recovery copy left in the keeper's folder by a program
// that has ended, oldest first: "Unsaved changes to FILE from DATE were
// recovered." with Restore, Discard and Later (Esc). Restore opens the copy
// as an unsaved document of its file, then the copy goes once the keeper has
// written the document as its own; the remaining copies wait for the next
// start. Discard deletes the copy; Later keeps it. A copy that cannot be read
// is moved aside and named, never deleted.
void OfferLeftCopies(RecoveryKeeper& keeper, DocumentCommands& commands, Prompter& prompter, QWidget& window);

// "JRA-VAN圧縮ﾌｧｲﾙ解凍" (menu item LzhMelt): the open dialog for LZH archives, then the
// extraction of the chosen archives in the dialog's order.

#include "app/app_context.h"
#include "app/operations.h"
#include "jravan/archive_extraction.h"

namespace mirtote::app {

// Runs inside the menu's command guard, as every menu operation does.
void RunArchiveExtraction(AppContext& context) {
  Session& session = context.session;
  const BusyPointer busy(session.host);
  // A cancelled dialog ends the command without a message.
  if (auto chosen = session.host.ChooseFilesToOpen(jravan::ArchiveDialogRequest(session))) {
    jravan::ExtractArchives({jravan::ChosenArchives(*chosen)}, session);
  }
}

}  // namespace mirtote::app

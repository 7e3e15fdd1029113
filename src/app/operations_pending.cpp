// Operations whose windows are not in the program yet: the menu items stay quiet.

#include "app/app_context.h"
#include "app/operations.h"

namespace mirtote::app {

void RunForumLogConversion(AppContext&) {}
void RunOddsCsvConversion(AppContext&) {}

}  // namespace mirtote::app

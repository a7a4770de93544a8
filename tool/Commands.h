#pragma once
// The handlers of the commands in the table; each lives in the file of its name.

#include "tool/Tool.h"

namespace tool {

int where(Call& call);
int show(Call& call);
int exportLists(Call& call);
int importLists(Call& call);

}  // namespace tool

#pragma once
// The handlers of the commands in the table; each lives in the file of its name.

#include "tool/Tool.h"

namespace tool {

int where(Call& call);
int show(Call& call);
int exportLists(Call& call);
int importLists(Call& call);
int backup(Call& call);
int backups(Call& call);
int restore(Call& call);
int check(Call& call);
int window(Call& call);

}  // namespace tool

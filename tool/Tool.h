#pragma once
// The command-line tool behind the launcher `ordlykta`: without a subcommand it starts the
// program in the data folder, with one it runs that command. Each command is one entry in the
// table of commands() and one file of its own in tool/commands.

#include <QStringList>
#include <functional>
#include <ostream>
#include <span>

#include "tool/Base.h"
#include "tool/commands/Commands.h"

namespace tool {

std::span<const Command> commands();

// Runs the tool in this process; `arguments` are the command line without the executable's
// name. Without a subcommand it starts the program (and returns only when that fails).
int run(const QStringList& arguments, std::ostream& out, std::ostream& err);
// Runs one command with its arguments (the first is its name) under the one handler.
int runCommand(const Command& command, const QStringList& arguments, std::ostream& out,
               std::ostream& err);
// Runs `body` and turns every exception it throws into a message on `err` and a status:
// UsageError kUsage (with the usage line of `command`, or the launcher's), anything else
// kRefused.
int guarded(const Command* command, std::ostream& err, const std::function<int()>& body);

}  // namespace tool

#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"

namespace tool {

int where(Call& call) {
    Options options(call);
    if (!options.parse()) {
        return kDone;
    }
    print(call.out, options.dataFolder() + QLatin1Char('\n'));
    return kDone;
}

}  // namespace tool

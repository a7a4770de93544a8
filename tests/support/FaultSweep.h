#pragma once
// A fault sweep: an action run once to note its file operations, then again for each operation
// and each fault of its kind, injected through the store's hook, in this process or in a child
// that ends there as if killed; the caller resets the folder before each run and checks it after.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "store/File.h"

namespace sweep {

// The hook's answer at the operation (EIO, ENOSPC, store::shortWrite(n); 0 for none), and
// whether the process ends there: at the next operation after a fault, or at the end if none.
struct Fault {
    int code;
    bool killed;
    std::string what;
};
enum class Outcome { Done, Failed, Killed };
// An action returns false when it failed as it may under a fault (it catches that failure).
using Action = std::function<bool()>;

// An action whose failure is a thrown `Failure`.
template <class Failure>
Action failingWith(std::function<void()> act) {
    return [act = std::move(act)] {
        try {
            act();
            return true;
        } catch (const Failure&) {
            return false;
        }
    };
}

// The operations the action makes when nothing fails.
inline std::vector<store::FileOp> operationsOf(const Action& act) {
    std::vector<store::FileOp> ops;
    store::setFaultHook([&](store::FileOp op, const std::string&) {
        ops.push_back(op);
        return 0;
    });
    EXPECT_TRUE(act()) << "the action fails with no fault";
    store::setFaultHook({});
    return ops;
}

// Each fault `faults` gives for each operation in `ops`, after `reset`; returns the cases run.
inline int run(const std::vector<store::FileOp>& ops,
               const std::function<std::vector<Fault>(store::FileOp)>& faults,
               const std::function<void()>& reset, const Action& act,
               const std::function<void(Outcome, const std::string& what)>& check) {
    int cases = 0;
    for (std::size_t at = 0; at < ops.size(); ++at) {
        for (const Fault& fault : faults(ops[at])) {
            const std::string what = "operation " + std::to_string(at) + " of " +
                                     std::to_string(ops.size()) + ", " + fault.what;
            reset();
            std::size_t seen = 0;
            store::setFaultHook([&](store::FileOp, const std::string&) {
                const std::size_t now = seen++;
                if (fault.killed && now == at + (fault.code != 0 ? 1 : 0)) {
                    ::_exit(0);
                }
                return now == at ? fault.code : 0;
            });
            Outcome outcome = Outcome::Killed;
            if (!fault.killed) {
                outcome = act() ? Outcome::Done : Outcome::Failed;
            } else if (const pid_t child = ::fork(); child == 0) {
                try {
                    act();
                } catch (...) {
                }
                // A fault after which no operation of the seam came: the kill is at the end.
                ::_exit(fault.code != 0 && seen > at ? 0 : 1);
            } else {
                int status = 0;
                EXPECT_TRUE(child > 0 && ::waitpid(child, &status, 0) == child &&
                            WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    << what << ": not killed";
            }
            store::setFaultHook({});
            check(outcome, what);
            ++cases;
        }
    }
    return cases;
}

}  // namespace sweep

#pragma once
// A fault sweep: an action run once to note its file operations, then again for each operation
// and each fault of its kind, injected through the store's hook, in this process or in a child
// that ends there as if killed; the caller resets the folder before each run and checks it after.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
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

// A sweep runs each case, or each Nth with ORDLYKTA_SWEEP_EVERY=N: the sanitizer pass samples
// so, as it makes each case many times slower and each kill's fork slower still. A prime N
// takes every kind of fault in turn.
inline std::size_t every() {
    static const std::size_t n = [] {
        const char* given = std::getenv("ORDLYKTA_SWEEP_EVERY");
        return static_cast<std::size_t>(
            std::max(1L, given != nullptr ? std::strtol(given, nullptr, 10) : 1L));
    }();
    return n;
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

// The store's fault hook, with the path of each operation.
using Hook = std::function<int(store::FileOp, const std::string& path)>;

// Runs `act` in a child process with `hook` as the store's fault hook; the child ends as if
// killed at the first file operation after one the hook failed, or at the end when that fault
// was the last operation. False when the hook failed none.
inline bool killedIn(const Action& act, const Hook& hook) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool faulted = false;
        store::setFaultHook([&](store::FileOp op, const std::string& path) {
            if (faulted) {
                ::_exit(0);
            }
            const int code = hook(op, path);
            faulted = code != 0;
            return code;
        });
        try {
            act();
        } catch (...) {
        }
        ::_exit(faulted ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Each fault `faults` gives for each operation in `ops`, after `reset`; returns the cases run.
inline int run(const std::vector<store::FileOp>& ops,
               const std::function<std::vector<Fault>(store::FileOp)>& faults,
               const std::function<void()>& reset, const Action& act,
               const std::function<void(Outcome, const std::string& what)>& check) {
    int cases = 0;
    std::size_t index = 0;
    for (std::size_t at = 0; at < ops.size(); ++at) {
        for (const Fault& fault : faults(ops[at])) {
            if (index++ % every() != 0) {
                continue;
            }
            const std::string what = "operation " + std::to_string(at) + " of " +
                                     std::to_string(ops.size()) + ", " + fault.what;
            reset();
            std::size_t seen = 0;
            const Hook hook = [&](store::FileOp, const std::string&) {
                return seen++ == at ? fault.code : 0;
            };
            Outcome outcome = Outcome::Killed;
            if (!fault.killed) {
                store::setFaultHook(hook);
                outcome = act() ? Outcome::Done : Outcome::Failed;
                store::setFaultHook({});
            } else if (fault.code != 0) {
                EXPECT_TRUE(killedIn(act, hook)) << what << ": not killed";
            } else {
                // Killed before the operation: the fault is the kill itself.
                EXPECT_TRUE(killedIn(act,
                                     [&](store::FileOp, const std::string&) {
                                         if (seen++ == at) {
                                             ::_exit(0);
                                         }
                                         return 0;
                                     }))
                    << what << ": not killed";
            }
            check(outcome, what);
            ++cases;
        }
    }
    return cases;
}

}  // namespace sweep

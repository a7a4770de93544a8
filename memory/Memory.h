#pragma once
// What the screens ask of the learning memory: keep an answer, keep that a pair was shown, and
// tell today's due pairs. Nothing here ever stops a screen: an answer that cannot be kept (the
// disk full, the database locked by another program) is lost, a damaged database is set aside
// under a name that says so and a new one begun.

#include <memory>
#include <string>
#include <vector>

#include "memory/Clock.h"
#include "memory/Database.h"

namespace memory {

struct DuePair {
    PairState state;
    double retrievability = 0;  // today
};

struct Today {
    std::vector<DuePair> due;  // due day <= today, the least retrievable first
    int nextDay = -1;          // the earliest due day after today; -1 when none
};

// The due pairs among `pairs` on `today`.
Today dueOn(const std::vector<PairState>& pairs, int today);
// The same of a language (1..3) or all (0) read from `db`, which reads only the due pairs.
Today dueOn(const Database& db, int language, int today);
// Today's pairs as the drill takes them: a list with a test day to come puts its planned pairs
// first (memory/TestDay.h), the word lists read from `folder`; all languages one after another.
Today todayOf(const Database& db, const std::string& folder, int language, int today);

class Recorder {
  public:
    virtual ~Recorder() = default;
    virtual void answered(const Answer& answer) noexcept = 0;
    virtual void shown(const PairKey& pair, int list) noexcept = 0;
    // Today's due pairs of a language; none when the database cannot be read.
    virtual Today today(int language) noexcept = 0;
    // The learner's day now.
    virtual int day() const noexcept = 0;
};

// Keeps nothing: for programs and tests without a memory.
class NoRecorder final : public Recorder {
  public:
    void answered(const Answer&) noexcept override {}
    void shown(const PairKey&, int) noexcept override {}
    Today today(int) noexcept override { return {}; }
    int day() const noexcept override { return 0; }
};

// The database of a data folder, opened when asked and made with the first recording.
class Keeper final : public Recorder {
  public:
    Keeper(std::string folder, Clock clock);
    ~Keeper() override;

    // Opens the database when there is one, so that the first answer finds it ready; a damaged
    // one is set aside.
    void open() noexcept;

    void answered(const Answer& answer) noexcept override;
    void shown(const PairKey& pair, int list) noexcept override;
    Today today(int language) noexcept override;
    int day() const noexcept override { return dayOf(clock_()); }

    // The name a damaged database was set aside under by this keeper; empty when none was.
    const std::string& setAside() const { return setAside_; }

  private:
    template <class Write>
    void attempt(const Write& write) noexcept;
    Database* database(bool create);
    void putAside();

    std::string folder_;
    std::string path_;
    Clock clock_;
    std::unique_ptr<Database> database_;
    std::string setAside_;
};

// "ordlykta-damaged-20261207-223000.db": where a damaged database found at `at` goes; the
// `n`-th of that second (n > 1) ends in "-n.db".
std::string damagedName(const Moment& at, int n = 1);

}  // namespace memory

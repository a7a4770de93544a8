#include "memory/Memory.h"

#include <algorithm>
#include <cstdio>

#include "memory/TestDay.h"
#include "store/Layout.h"

namespace memory {

Today dueOn(const std::vector<PairState>& pairs, int today) {
    Today result;
    for (const PairState& p : pairs) {
        const int due = p.schedule.dueDay();
        if (due <= today) {
            const double r = retrievability(p.schedule.stability, today - p.schedule.lastDay);
            result.due.push_back({p, r});
        } else if (result.nextDay < 0 || due < result.nextDay) {
            result.nextDay = due;
        }
    }
    std::stable_sort(result.due.begin(), result.due.end(), [](const DuePair& a, const DuePair& b) {
        return a.retrievability < b.retrievability;
    });
    return result;
}

Today dueOn(const Database& db, int language, int today) {
    Today result = dueOn(db.dueBy(language, today), today);
    result.nextDay = db.nextDueAfter(language, today);
    return result;
}

Today todayOf(const Database& db, const std::string& folder, int language, int today) {
    if (db.testDays(language).empty()) {
        return dueOn(db, language, today);
    }
    if (language == 0) {
        Today all;
        for (int l = 1; l <= store::kLanguageCount; ++l) {
            Today one = todayOf(db, folder, l, today);
            all.due.insert(all.due.end(), one.due.begin(), one.due.end());
            if (one.nextDay >= 0 && (all.nextDay < 0 || one.nextDay < all.nextDay)) {
                all.nextDay = one.nextDay;
            }
        }
        return all;
    }
    return dueWithTestDays(db.pairs(language), today, db.testDays(language),
                           readLists(folder, language));
}

std::string damagedName(const Moment& at, int n) {
    const std::string iso = isoTime(at);  // 2026-12-07T22:30:00+01:00
    std::string name = "ordlykta-damaged-";
    name.append(iso, 0, 4).append(iso, 5, 2).append(iso, 8, 2).append(1, '-');
    name.append(iso, 11, 2).append(iso, 14, 2).append(iso, 17, 2);
    if (n > 1) {
        name.append(1, '-').append(std::to_string(n));
    }
    return name.append(".db");
}

Keeper::Keeper(std::string folder, Clock clock)
    : folder_(std::move(folder)), path_(folder_ + "/" + kDatabaseName), clock_(std::move(clock)) {}

Keeper::~Keeper() = default;

void Keeper::open() noexcept {
    try {
        database(false);
    } catch (...) {
        // Opened again at the first answer; that one may fail as well and is lost.
    }
}

Database* Keeper::database(bool create) {
    if (database_ == nullptr && (create || databaseExists(path_))) {
        try {
            database_ = std::make_unique<Database>(path_, create);
        } catch (const Error& e) {
            if (e.kind() != Error::Kind::Damaged) {
                throw;
            }
            putAside();
            if (create) {
                database_ = std::make_unique<Database>(path_, true);
            }
        }
    }
    return database_.get();
}

void Keeper::putAside() {
    database_.reset();
    const Moment now = clock_();
    std::string name = damagedName(now);
    for (int n = 2; databaseExists(folder_ + "/" + name); ++n) {
        name = damagedName(now, n);
    }
    const std::string target = folder_ + "/" + name;
    // The log goes with its database, so that what it holds can still be looked at; the
    // shared-memory index is rebuilt from the log by whoever opens it.
    std::rename((path_ + "-wal").c_str(), (target + "-wal").c_str());
    std::remove((path_ + "-shm").c_str());
    if (std::rename(path_.c_str(), target.c_str()) == 0) {
        setAside_ = name;
    }
}

template <class Write>
void Keeper::attempt(const Write& write) noexcept {
    try {
        for (int tries = 0; tries < 2; ++tries) {
            try {
                write(*database(true));
                return;
            } catch (const Error& e) {
                if (e.kind() != Error::Kind::Damaged || tries > 0) {
                    return;
                }
                putAside();
            }
        }
    } catch (...) {
        // Lost: this answer only; the screens go on.
    }
}

void Keeper::answered(const Answer& answer) noexcept {
    const Moment now = clock_();
    attempt([&](Database& db) { db.recordAnswer(answer, now); });
}

void Keeper::shown(const PairKey& pair, int list) noexcept {
    const Moment now = clock_();
    attempt([&](Database& db) { db.recordShown(pair, list, now); });
}

Today Keeper::today(int language) noexcept {
    try {
        Database* db = database(false);
        if (db == nullptr) {
            return {};
        }
        return todayOf(*db, folder_, language, day());
    } catch (...) {
        return {};
    }
}

}  // namespace memory

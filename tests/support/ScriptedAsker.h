#pragma once
// The window's dialogs double: every box and file dialog must have been announced by the test,
// in order, with its answer; anything else fails the test.

#include <gtest/gtest.h>

#include <deque>

#include "window/Asker.h"

class ScriptedAsker : public window::Asker {
  public:
    enum Kind { Error, Confirm, OpenFile, SaveFile, Print };
    struct Expected {
        Kind kind;
        QString answer;  // a file's path, or "yes" for a confirmation
    };

    void expect(Kind kind, const QString& answer = {}) { queue_.push_back({kind, answer}); }
    void verifyAllShown() {
        EXPECT_TRUE(queue_.empty()) << queue_.size() << " announced dialogs never came";
        queue_.clear();
    }

    QStringList texts;      // every error and confirmation, in order
    QString lastSuggested;  // the name the last save dialog suggested
    QString lastFilter;     // the last file dialog's
    QString lastPrinted;
    bool lastPreview = false;

    void error(const QString& text) override {
        texts += text;
        next(Error, text);
    }
    bool confirm(const QString& text) override {
        texts += text;
        return next(Confirm, text) == QLatin1String("yes");
    }
    QString openFile(const QString& title, const QString& filter) override {
        lastFilter = filter;
        return next(OpenFile, title);
    }
    QString saveFile(const QString& title, const QString& suggested,
                     const QString& filter) override {
        lastSuggested = suggested;
        lastFilter = filter;
        return next(SaveFile, title);
    }
    void print(const QString& html, bool preview) override {
        lastPrinted = html;
        lastPreview = preview;
        next(Print, {});
    }

  private:
    QString next(Kind kind, const QString& what) {
        if (queue_.empty() || queue_.front().kind != kind) {
            ADD_FAILURE() << "unexpected dialog " << kind << ": " << what.toStdString();
            return {};
        }
        const QString answer = queue_.front().answer;
        queue_.pop_front();
        return answer;
    }
    std::deque<Expected> queue_;
};

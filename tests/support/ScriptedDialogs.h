#pragma once
// The dialogs double: every box a screen shows must have been announced by the test, in order,
// with its answer; anything else fails the test.

#include <deque>
#include <optional>
#include <vector>

#include "ui/Dialogs.h"

enum class BoxKind { Notice, Information, Confirm, Input, Error };

struct Box {
    BoxKind kind;
    QString title;
    QString text;  // the prompt for an input box
};

class ScriptedDialogs : public ui::Dialogs {
  public:
    void expectNotice(const QString& text) { expect(BoxKind::Notice, text); }
    void expectInformation(const QString& text) { expect(BoxKind::Information, text); }
    void expectError(const QString& text) { expect(BoxKind::Error, text); }
    void expectConfirm(const QString& text, bool yes) { expect(BoxKind::Confirm, text, yes); }
    // `answer` is what the user leaves in the field and confirms with OK; nothing is Cancel.
    // The text the box was opened with is kept in `lastInputText`.
    void expectInput(const QString& prompt, std::optional<QString> answer);

    // Fails the test for every announced box that did not come.
    void verifyAllShown();

    std::vector<Box> shown;
    QString lastInputText;

    void notice(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                    const QString& text) override;
    void error(const QString& text) override;

  private:
    struct Expected {
        BoxKind kind;
        QString text;
        bool yes = false;     // a confirmation's answer
        QString answer;       // an input box's answer,
        bool cancel = false;  // unless it is cancelled
    };
    void expect(BoxKind kind, const QString& text, bool yes = false, QString answer = {},
                bool cancel = false);
    // The announced box this one must be, or a default answer (No, Cancel) when it was not.
    Expected take(BoxKind kind, const QString& title, const QString& text);

    std::deque<Expected> expected_;
};

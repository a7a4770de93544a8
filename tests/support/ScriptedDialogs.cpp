#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

const char* kindName(BoxKind kind) {
    switch (kind) {
        case BoxKind::Notice:
            return "notice";
        case BoxKind::Information:
            return "information";
        case BoxKind::Confirm:
            return "confirmation";
        case BoxKind::Input:
            return "input box";
        case BoxKind::Error:
            return "error box";
    }
    return "?";
}

}  // namespace

void ScriptedDialogs::expect(BoxKind kind, const QString& text, bool yes, QString answer,
                             bool cancel) {
    expected_.push_back({kind, text, yes, std::move(answer), cancel});
}

void ScriptedDialogs::expectInput(const QString& prompt, std::optional<QString> answer) {
    expect(BoxKind::Input, prompt, false, answer.value_or(QString()), !answer);
}

ScriptedDialogs::Expected ScriptedDialogs::take(BoxKind kind, const QString& title,
                                                const QString& text) {
    shown.push_back({kind, title, text});
    if (expected_.empty() || expected_.front().kind != kind || expected_.front().text != text) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " \"" << text.toStdString() << "\""
                      << (expected_.empty()
                              ? std::string(" (none expected)")
                              : " (expected " + std::string(kindName(expected_.front().kind)) +
                                    " \"" + expected_.front().text.toStdString() + "\")");
        return {kind, text, false, {}, true};
    }
    Expected e = std::move(expected_.front());
    expected_.pop_front();
    return e;
}

void ScriptedDialogs::verifyAllShown() {
    for (const Expected& e : expected_) {
        ADD_FAILURE() << "expected " << kindName(e.kind) << " \"" << e.text.toStdString()
                      << "\" never came";
    }
    expected_.clear();
}

void ScriptedDialogs::notice(const QString& text) {
    take(BoxKind::Notice, QString::fromUtf8(ui::kApplicationTitle), text);
}

void ScriptedDialogs::information(const QString& text) {
    take(BoxKind::Information, QStringLiteral("Information"), text);
}

bool ScriptedDialogs::confirm(const QString& text) {
    return take(BoxKind::Confirm, QStringLiteral("Confirm"), text).yes;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& title, const QString& prompt,
                                                 const QString& text) {
    lastInputText = text;
    const Expected e = take(BoxKind::Input, title, prompt);
    return e.cancel ? std::nullopt : std::optional<QString>(e.answer);
}

void ScriptedDialogs::error(const QString& text) {
    take(BoxKind::Error, QString::fromUtf8(ui::kApplicationTitle), text);
}

#pragma once
// JSON text written as it goes, laid out exactly as QJsonDocument::toJson(Indented) lays out the
// same document: `due` and `history` print thousands of objects, and building the document
// first took most of their time. An object's names must come in the order QJsonObject keeps
// them, sorted.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tool {

class JsonWriter {
  public:
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    // The name of the object member whose value comes next.
    JsonWriter& name(const char* name);

    void value(const QString& text);
    void value(double number);
    void value(int number);
    void value(bool truth);

    // The text so far; whole once the outermost array or object is ended.
    const QByteArray& text() const { return text_; }

  private:
    void open(char bracket);
    void close(char bracket);
    // Before a value: the separator and indentation inside an array; nothing after a name.
    void element();
    void indent(std::size_t depth);
    // A character JSON writes as an escape: \n, \u001f.
    void escape(char16_t u);

    QByteArray text_;
    std::vector<bool> filled_;  // per open array or object: whether it has an element yet
    bool named_ = false;
};

}  // namespace tool

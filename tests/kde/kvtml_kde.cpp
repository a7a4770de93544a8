// KVTML as KDE's vocabulary library reads and writes it.
//   kvtml_kde read FILE   prints the document: "language NAME" for each identifier, then each
//                         lesson ("lesson NAME", nested ones after their parent, the entries
//                         outside every lesson first as "lesson") and its pairs ("pair A<TAB>B")
//   kvtml_kde write FILE  writes a document of several lessons, a nested one, entries outside
//                         every lesson and long words
#include <KEduVocDocument>
#include <KEduVocExpression>
#include <KEduVocIdentifier>
#include <KEduVocLesson>
#include <KEduVocTranslation>
#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>
#include <cstdio>

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    stream.setCodec("UTF-8");
    return stream;
}

void printLesson(KEduVocContainer* lesson, int translations, bool root) {
    out() << "lesson\t" << (root ? QString() : lesson->name()) << "\n";
    for (KEduVocExpression* entry : lesson->entries(KEduVocContainer::NotRecursive)) {
        out() << "pair";
        for (int t = 0; t < translations; ++t) {
            out() << "\t" << (entry->translation(t) ? entry->translation(t)->text() : QString());
        }
        out() << "\n";
    }
    for (KEduVocContainer* child : lesson->childContainers()) {
        printLesson(child, translations, false);
    }
}

int read(const QString& path) {
    KEduVocDocument document;
    const auto status = document.open(QUrl::fromLocalFile(path), KEduVocDocument::FileOpenReadOnly);
    if (status != KEduVocDocument::NoError) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path),
                     qPrintable(KEduVocDocument::errorDescription(status)));
        return 1;
    }
    for (int i = 0; i < document.identifierCount(); ++i) {
        out() << "language\t" << document.identifier(i).name() << "\n";
    }
    printLesson(document.lesson(), document.identifierCount(), true);
    out().flush();
    return 0;
}

void add(KEduVocLesson* lesson, const QString& swedish, const QString& german) {
    auto* entry = new KEduVocExpression;
    entry->setTranslation(0, swedish);
    entry->setTranslation(1, german);
    lesson->appendEntry(entry);
}

int write(const QString& path) {
    KEduVocDocument document;
    document.setTitle(QStringLiteral("Tyska glosor"));
    KEduVocIdentifier swedish;
    swedish.setName(QStringLiteral("Svenska"));
    swedish.setLocale(QStringLiteral("sv"));
    document.appendIdentifier(swedish);
    KEduVocIdentifier german;
    german.setName(QStringLiteral("Tyska"));
    german.setLocale(QStringLiteral("de"));
    document.appendIdentifier(german);

    KEduVocLesson* root = document.lesson();
    add(root, QStringLiteral("ja"), QStringLiteral("ja"));
    add(root, QStringLiteral("nej"), QStringLiteral("nein"));
    auto* animals = new KEduVocLesson(QStringLiteral("Djur"), root);
    root->appendChildContainer(animals);
    add(animals, QStringLiteral("hund"), QStringLiteral("Hund"));
    add(animals, QStringLiteral("älg"), QStringLiteral("Elch"));
    add(animals, QStringLiteral("\"katt\""), QStringLiteral("Katze & Kater"));
    auto* food = new KEduVocLesson(QStringLiteral("Mat och dryck"), root);
    root->appendChildContainer(food);
    add(food, QStringLiteral("smörgåsbordsförberedelse"), QStringLiteral("Vorbereitung"));
    add(food, QStringLiteral("ost"), QStringLiteral("Käse"));
    auto* fruit = new KEduVocLesson(QStringLiteral("Frukt"), food);
    food->appendChildContainer(fruit);
    add(fruit, QStringLiteral("äpple"), QStringLiteral("Apfel"));
    // 30 characters: as long as a word list's word may be.
    add(fruit, QStringLiteral("åäöåäöåäöåäöåäöåäöåäöåäöåäöåäö"), QStringLiteral("Umlaute"));

    const auto status = document.saveAs(QUrl::fromLocalFile(path), KEduVocDocument::Kvtml,
                                        KEduVocDocument::FileIgnoreLock);
    if (status != KEduVocDocument::NoError) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(KEduVocDocument::errorDescription(status)));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("read")) {
        return read(arguments[2]);
    }
    if (arguments.size() == 3 && arguments[1] == QLatin1String("write")) {
        return write(arguments[2]);
    }
    std::fprintf(stderr, "usage: kvtml_kde read|write FILE\n");
    return 2;
}

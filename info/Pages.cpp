#include "info/Pages.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <vector>

#include "ui/Look.h"

namespace info {
namespace {

// One paragraph of a page. A label (a step number, a key, a file name) stands in a left column
// of the given width and the text wraps beside it; without a label the text takes the full width.
struct Block {
    const char* text;
    const char* label = "";
    int column = 0;
    bool strongLabel = false;    // a larger, bold label, for a key and the character it gives
    bool workingFolder = false;  // the text is the path of the folder the program works in
};

struct PageText {
    const char* heading;
    std::vector<Block> blocks;
    const char* closing = "";
};

constexpr int kStep = 26;    // "1." before a step
constexpr int kBullet = 20;  // "•" before an item
constexpr int kKey = 76;     // a key and the character it gives
constexpr int kFile = 96;    // a file name before what it holds

const std::vector<PageText>& pages() {
    static const std::vector<PageText> texts = {
        {"Om programmet",
         {
             {"Med Ordlykta lär du dig glosor på andra språk. Först skriver du själv in glosorna, "
              "ett svenskt ord och samma ord på det andra språket. Sedan kan du lära in dem och "
              "förhöra dig på dem så många gånger du vill."},
             {"Skriv in glosorna mycket noga! I förhöret jämförs ditt svar tecken för tecken med "
              "det du har skrivit in, så ett felstavat ord gör att resultatet blir fel."},
             {"Programmet rymmer som mest:"},
             {"3 språk", "•", kBullet},
             {"98 listor i varje språk", "•", kBullet},
             {"98 ordpar i varje lista", "•", kBullet},
             {"30 + 30 tecken i varje ordpar: 30 för det svenska ordet och 30 för ordet på det "
              "andra språket",
              "•", kBullet},
         }},
        {"Så kan du använda programmet, del 1",
         {
             {"Välj ett språk under Språk i menyn och ge det ett namn med knappen ”Ändra...” där.",
              "1.", kStep},
             {"Välj en tom lista under Listor och ge den ett namn med knappen ”Ändra...” där.",
              "2.", kStep},
             {"Klicka på ”Spara” i menyn. Då öppnas listan, där du skriver det svenska ordet i den "
              "vänstra rutan och ordet på det andra språket i den högra. Tryck Enter eller klicka "
              "på ”Spara” för att spara ordparet. Har du skrivit fel, markera raden och klicka på "
              "”Ta bort”. Med ”Skjut in” lägger du in ett ordpar före den markerade raden. Med "
              "”Meny” kommer du tillbaka till menyn.",
              "3.", kStep},
             {"Klicka på ”Lär in” i menyn. Ett svenskt ord visas. Tänk efter vad det heter på det "
              "andra språket och klicka på ”Fortsätt”, så visas svaret. Gå igenom hela listan och "
              "gör om det tills du är nöjd.",
              "4.", kStep},
         }},
        {"Så kan du använda programmet, del 2",
         {
             {"När du kan glosorna klickar du på ”Förhör” i menyn. Ett svenskt ord visas. Skriv "
              "ordet på det andra språket och tryck Enter eller klicka på ”Fortsätt”. Svara på "
              "alla frågorna, först då får du veta hur det gick.",
              "5.", kStep},
             {"Då visas alla ordpar i en lista, där fel svar är märkta med #. Klicka på en rad, så "
              "visas det rätta svaret överst.",
              "6.", kStep},
             {"Klicka på ”Fortsätt” och sedan på ”Yes”, så förhörs du på nytt, men bara på de "
              "glosor som du svarade fel på. Gör om det tills alla svar är rätt.",
              "7.", kStep},
             {"Väljer du ”10 Slumpade” i stället för ”Vald lista” i menyn, får du tio ordpar som "
              "slumpas ut från alla listor i språket, både med ”Lär in” och med ”Förhör”. Det går "
              "när språket har minst tio sparade ordpar.",
              "8.", kStep},
         }},
        {"Specialtecken",
         {
             {"Fyra tecken som behövs i spanska och franska skriver du med tangenterna för hak- "
              "och klammerparenteser, både när du skriver in glosor och när du svarar i ett "
              "förhör:"},
             {"litet c med cedilj, som i français", "{  →  ç", kKey, true},
             {"stort C med cedilj, som i Ça va", "[  →  Ç", kKey, true},
             {"omvänt frågetecken, som i ¿Qué tal?", "]  →  ¿", kKey, true},
             {"omvänt utropstecken, som i ¡Hola!", "}  →  ¡", kKey, true},
             {"Själva parenteserna kan därför inte skrivas i glosorna. På ett svenskt tangentbord "
              "skriver du { [ ] } med AltGr och 7, 8, 9 och 0."},
             {"Andra bokstäver med accenter, som é, è, ü och ñ, skriver du som vanligt med "
              "accenttangenterna tillsammans med Skift och AltGr."},
         }},
        {"Filerna",
         {
             {"Allt du sparar skrivs direkt till fyra filer i den mapp som programmet arbetar i:"},
             {"", "", 0, false, true},
             {"listorna och glosorna för det första språket i menyn", "bu1.dat", kFile},
             {"listorna och glosorna för det andra språket i menyn", "bu2.dat", kFile},
             {"listorna och glosorna för det tredje språket i menyn", "bu3.dat", kFile},
             {"språkens namn samt valt språk och vald lista", "agen.dat", kFile},
             {"Kommandot ”ordlykta backup” kopierar filerna till ett arkiv, och ”ordlykta restore” "
              "lägger tillbaka dem därifrån. Fönstret ”Ordlykta ordlistor” i programmenyn gör "
              "detsamma och importerar, exporterar och skriver ut listor. Saknas en fil skapar "
              "programmet en ny, tom fil och talar om det."},
         },
         "Lycka till med språkstudierna!"},
    };
    return texts;
}

QString textOf(const Block& block) {
    return block.workingFolder ? QDir::toNativeSeparators(QDir::currentPath())
                               : QString::fromUtf8(block.text);
}

constexpr int kMargin = 24;
constexpr int kTop = 14;
constexpr int kGap = 6;

// Text without grey edges, so that the one-bit picture keeps every stroke.
QFont pageFont(int pixels, bool bold = false) {
    QFont f = ui::typeface(ui::Face::Verdana, pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void paintPage(QPainter& p, int page, const PageText& text) {
    const int width = kPageSize.width() - 2 * kMargin;
    p.setPen(Qt::black);

    p.setFont(pageFont(20, true));
    p.drawText(QRect(kMargin, kTop, width, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(text.heading));
    p.setFont(pageFont(13));
    p.drawText(QRect(kMargin, kTop, width, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Sida %1 av %2").arg(page).arg(kPageCount));
    int y = kTop + 34;
    p.drawLine(kMargin, y, kMargin + width - 1, y);
    y += 2 * kGap;

    const QFont body = pageFont(15);
    const QFont strong = pageFont(17, true);
    const int ascent = QFontMetrics(body).ascent();
    for (const Block& block : text.blocks) {
        // The label stands on the baseline of the text's first line.
        p.setFont(block.strongLabel ? strong : body);
        p.drawText(QPoint(kMargin, y + ascent), QString::fromUtf8(block.label));
        p.setFont(body);
        QString shown = textOf(block);
        if (block.workingFolder) {
            // A path has no spaces to wrap at: a long one loses its middle, never its ends.
            shown = QFontMetrics(body).elidedText(shown, Qt::ElideMiddle, width - block.column);
        }
        QRect used;
        p.drawText(QRect(kMargin + block.column, y, width - block.column, 200),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown, &used);
        y += used.height() + kGap;
    }
    if (*text.closing != '\0') {
        p.setFont(pageFont(17, true));
        p.drawText(QRect(kMargin, y + kGap, width, 30), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8(text.closing));
    }
}

// Black where the grey picture is darker than middle grey, white elsewhere: the top bit of
// each grey value is the colour index of its pixel.
QImage toOneBit(const QImage& grey) {
    QImage mono(grey.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* from = grey.constScanLine(y);
        uchar* to = mono.scanLine(y);
        std::fill(to, to + mono.bytesPerLine(), uchar(0));
        for (int x = 0; x < grey.width(); ++x) {
            to[x >> 3] |= uchar((from[x] >> 7) << (7 - (x & 7)));
        }
    }
    return mono;
}

}  // namespace

QString pageText(int page) {
    if (page < 1 || page > kPageCount) {
        return {};
    }
    const PageText& text = pages()[std::size_t(page - 1)];
    QString plain = QString::fromUtf8(text.heading);
    for (const Block& block : text.blocks) {
        plain += u'\n';
        if (*block.label != '\0') {
            plain += QString::fromUtf8(block.label) + u' ';
        }
        plain += textOf(block);
    }
    if (*text.closing != '\0') {
        plain += u'\n' + QString::fromUtf8(text.closing);
    }
    return plain;
}

QImage renderPage(int page) {
    QImage grey(kPageSize, QImage::Format_Grayscale8);
    grey.fill(255);
    if (page >= 1 && page <= kPageCount) {
        QPainter p(&grey);
        paintPage(p, page, pages()[std::size_t(page - 1)]);
    }
    return toOneBit(grey);
}

PagePicture::PagePicture(int page, QWidget* parent) : QLabel(parent), page_(page) {
    setAccessibleName(QStringLiteral("Sida %1 av %2").arg(page).arg(kPageCount));
    setAccessibleDescription(pageText(page));
}

void PagePicture::showEvent(QShowEvent* event) {
    if (pixmap().isNull()) {
        setPixmap(QPixmap::fromImage(renderPage(page_)));
    }
    QLabel::showEvent(event);
}

}  // namespace info

#include "ui/Widgets.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "ui/Palette.h"
#include "ui/Text.h"

namespace ui {
namespace {

class LineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 21};
    }
};

}  // namespace

void ClickLabel::setBackgroundBgr(quint32 value) {
    setBackground(this, value);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

ClickLabel* label(QWidget* parent, const QRect& place, const QString& text, const QFont& font) {
    auto* l = new ClickLabel(text, parent);
    l->setTextFormat(Qt::PlainText);  // names and words are shown as typed, never as markup
    l->setGeometry(place);
    l->setFont(font);
    return l;
}

QLabel* hiddenLabel(QWidget* parent, const QRect& place, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->hide();
    return l;
}

QFrame* panel(QWidget* parent, const QRect& place, quint32 colour, Bevel bevel) {
    auto* p = new QFrame(parent);
    p->setGeometry(place);
    setBackground(p, colour);
    if (bevel != Bevel::None) {
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken);
        p->setLineWidth(1);
    }
    return p;
}

QFrame* outline(QWidget* parent, const QRect& place) {
    auto* f = new QFrame(parent);
    f->setGeometry(place);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setLineWidth(1);
    QPalette palette = f->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    f->setPalette(palette);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->lower();
    return f;
}

QPushButton* button(QWidget* parent, const QRect& place, const QString& caption,
                    const QFont& font) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(place);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

QPushButton* glyphButton(QWidget* parent, const QRect& place, const QString& caption,
                         const QFont& font, const QPixmap& glyph) {
    QPushButton* b = button(parent, place, caption, font);
    b->setIcon(QIcon(glyph));
    b->setIconSize(QSize(16, 16));
    return b;
}

QLineEdit* wordEdit(QWidget* parent, const QRect& place, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setGeometry(place);
    e->setFont(typeface(Face::CourierNew, 19));
    e->setMaxLength(maxLength);
    e->setValidator(new CodePageValidator(e));
    return e;
}

ClickLabel* titleLine(QWidget* screen, quint32 colour) {
    ClickLabel* title = label(screen, {24, 16, 737, 24}, QString(), typeface(Face::CourierNew, 19));
    title->setBackgroundBgr(colour);
    return title;
}

ClickLabel* swedishWord(QWidget* screen) {
    ClickLabel* word = label(screen, {28, 60, 335, 24}, QString(), typeface(Face::CourierNew, 19));
    word->setBackgroundBgr(palette::kWhite);
    word->setAccessibleDescription(QStringLiteral("svenska"));
    return word;
}

ClickLabel* messageLine(QWidget* screen) {
    ClickLabel* message =
        label(screen, {24, 96, 737, 24}, QString(), typeface(Face::CourierNew, 19));
    message->setAlignment(Qt::AlignCenter);
    return message;
}

DrillButtons drillButtons(QWidget* screen, quint32 colour, const QFont& nextFont, int height) {
    const QFont font = typeface(Face::Verdana, 16);
    DrillButtons b{};
    b.panel = panel(screen, {24, 464, 737, 97}, colour);
    b.next = button(b.panel, {40, 16, 200, height}, QStringLiteral("&Fortsätt"), nextFont);
    b.menu = glyphButton(b.panel, {272, 16, 200, height}, QStringLiteral("&Meny"), font,
                         glyph(Glyph::Menu));
    b.exit = button(b.panel, {504, 16, 200, height}, QStringLiteral("&Avsluta"), font);
    return b;
}

QListWidget* pairList(QWidget* parent, const QRect& place) {
    auto* l = new QListWidget(parent);
    makePairList(l, place);
    return l;
}

void makePairList(QListWidget* list, const QRect& place) {
    list->setGeometry(place);
    list->setFont(typeface(Face::CourierNew, 19));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    setPairLineHeight(list);
}

void setPairLineHeight(QAbstractItemView* view) {
    view->setItemDelegate(new LineDelegate(view));
}

}  // namespace ui

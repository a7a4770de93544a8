#pragma once
// The learn screen that both learn drills stand on: it shows what its LearnDrill says, and offers
// to see the pairs again at the end. Where the pairs come from is the one thing the two drills do
// differently: each screen gives it a PairSource, as the quiz screens do.

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <map>
#include <memory>

#include "drill/PairSource.h"
#include "learn/LearnDrill.h"
#include "memory/Memory.h"
#include "state/MenuState.h"
#include "store/WordList.h"
#include "ui/Navigator.h"
#include "ui/Palette.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace learn {

inline constexpr quint32 kScreenColour = ui::palette::kPeriwinkle;
inline constexpr quint32 kProgressColour = ui::palette::kPaleBlue;     // while the drill runs
inline constexpr quint32 kFinishedColour = ui::palette::kLightYellow;  // at the end
inline constexpr quint32 kTitleColour = ui::palette::kPaleGreen;
inline constexpr quint32 kWordColour = ui::palette::kWhite;
inline constexpr quint32 kPanelColour = ui::palette::kPaleBlue;

class LearnScreen : public ui::Screen {
    Q_OBJECT
  public:
    LearnScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                memory::Recorder& memory, const QString& caption,
                std::unique_ptr<drill::PairSource> source);

    // Where the drill stands: its step, and the pairs it drills, which lblNTAL shows.
    int position() const { return drill_.position(); }
    int stepState() const { return drill_.stepState(); }
    int pairCount() const { return pairCount_; }
    // The source of the random draws; tests may replace it.
    drill::Random& random() { return random_; }

    // Handlers: a press of "&Fortsätt" advances the drill by one step; a click on a word
    // explains the drill.
    void buttNEXTClick();
    void lblSVEClick();
    void lblFORClick();
    void buttMENUClick();
    // Builds a new drill order; afterwards pairCount() is the number of pairs it drills.
    void prSLUMPAORDNING();

    QLabel* lblKAPITEL;
    QFrame* Shape1;
    ui::ClickLabel* lblSVE;
    QFrame* Shape4;
    ui::ClickLabel* lblFOR;
    QFrame* Shape3;
    ui::ClickLabel* lblMESS;
    QFrame* Shape2;
    QListWidget* ListBox1;
    QFrame* Panel1;
    QPushButton* buttNEXT;
    QPushButton* buttMENU;
    QPushButton* buttEXIT;
    QLabel* lblNTAL;  // hidden: the pair count of the drill

  protected:
    void FormShow() override;

    const drill::PairSource& source() const { return *source_; }
    state::MenuState& state_;

  private:
    // Empties the list and the words, builds a new order, shows its first Swedish word and
    // closes `file`: what the show and the restart share.
    void startDrill(store::WordListFile& file);
    // The words, lines and progress line of the drill.
    void showDrill();
    LearnDrill::PairOf pairsFrom(store::WordListFile& file);
    void setPairCount(int count);
    // Keeps that the pair of the newest line was shown, when a press revealed it.
    void recordShown(qsizetype linesBefore);

    ui::Navigator& navigator_;
    memory::Recorder& memory_;
    // The pairs read for the steps of this drill, which the lines show once revealed.
    std::map<int, std::pair<int, store::WordRecord>> read_;
    std::unique_ptr<drill::PairSource> source_;
    drill::Random random_;
    int pairCount_ = 0;
    LearnDrill drill_;
};

}  // namespace learn

#pragma once
// The five help pages of the info screen: Swedish text drawn into one-bit pictures.

#include <QImage>
#include <QLabel>
#include <QSize>

namespace info {

inline constexpr int kPageCount = 5;
inline constexpr QSize kPageSize{680, 333};

// Page 1 to 5 as a 680 x 333 picture of black text on white: one bit per pixel, colour index 0
// black and 1 white.
QImage renderPage(int page);

// What page 1 to 5 says, as plain text, for those who cannot see the picture. The page about
// the files names the folder the program works in, as it is when the page is made.
QString pageText(int page);

// The picture of one page, drawn the first time it is shown, so that building the screen at
// start-up costs nothing.
class PagePicture : public QLabel {
  public:
    PagePicture(int page, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    int page_;
};

}  // namespace info

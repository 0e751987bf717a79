// The About window: the program's name in raised lettering, its version and notices. A click
// anywhere closes it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

namespace orvantis {

// One printing of "ORVANTIS" in the raised lettering: the top-left corner of the text, in twips
// from the window's top-left corner, and whether it is the yellow top copy.
struct LetteringCopy {
    int x_twips;
    int y_twips;
    bool yellow;
};

// 100 black copies from (390, 75) twips, each one twip right of and below the one before, then
// one yellow copy a step further: the black copies read as the lettering's raised side.
inline constexpr int kLetteringShadowCopies = 100;
std::array<LetteringCopy, kLetteringShadowCopies + 1> RaisedLetteringCopies();

class About : public QWidget {
    Q_OBJECT

public:
    // Help > About: brings the About window held in about to the front if it is open, else
    // shows a new one (not modal, deleted when closed), stores it in about and returns it.
    // settings_folder is the folder of the user's files, which the window names.
    static About* Open(QPointer<About>& about, const QString& settings_folder,
                       QWidget* parent = nullptr);

    explicit About(const QString& settings_folder, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace orvantis

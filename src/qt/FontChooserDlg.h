// The settings dialog's font chooser: a scalable face, a size of 5 to 11 points, bold and italic.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace felux {

// The font as the settings keep it: the face's name, a character height in pixels (negative),
// a weight of 100-900 and an italic flag.
struct FontChoice {
    std::string face;
    int height = -13;
    int weight = 400;
    int italic = 0;
};

class FontChooserDlg : public QDialog {
    Q_OBJECT
public:
    // The panel's small text needs no other sizes.
    static constexpr int kMinPoints = 5;
    static constexpr int kMaxPoints = 11;

    // dpi turns points into the pixel height the settings keep.
    FontChooserDlg(const FontChoice& stored, int dpi, QWidget* parent = nullptr);

    // What OK gives: each part the user left as it showed keeps its stored value, so a face
    // name that only resolves to another font, a height between two sizes or a weight the face
    // has no style for comes back as it was.
    FontChoice Chosen() const;

private:
    void ShowSample();

    FontChoice stored_;
    int dpi_;
    QComboBox* face_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QLabel* sample_ = nullptr;
    int shownFace_ = -1;
    int shownSize_ = -1;
    bool shownBold_ = false;
    bool shownItalic_ = false;
};

}  // namespace felux

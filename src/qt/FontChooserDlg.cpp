// The settings dialog's font chooser: a scalable face, a size of 5 to 11 points, bold and italic.
#include "qt/FontChooserDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "qt/DialogFields.h"
#include "qt/QtTextPainter.h"

namespace felux {
namespace {

// Weights from here up show as bold.
constexpr int kBoldFrom = 600;
constexpr int kBold = 700;
constexpr int kNormal = 400;
constexpr double kPointsPerInch = 72.0;

}  // namespace

FontChooserDlg::FontChooserDlg(const FontChoice& stored, int dpi, QWidget* parent)
    : QDialog(parent), stored_(stored), dpi_(dpi > 0 ? dpi : 96) {
    setWindowTitle(tr("フォント指定"));
    UseJapaneseFont(this);

    face_ = new QComboBox(this);
    face_->setObjectName(QStringLiteral("comboFace"));
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family)) faces << family;
    // A stored name the system only knows through a substitution ("ＭＳ Ｐゴシック") is listed as it is.
    const QString storedFace = QString::fromStdString(stored.face);
    if (!storedFace.isEmpty() && !faces.contains(storedFace)) faces.prepend(storedFace);
    face_->addItems(faces);
    shownFace_ = static_cast<int>(faces.indexOf(storedFace));
    face_->setCurrentIndex(shownFace_);

    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("comboSize"));
    for (int points = kMinPoints; points <= kMaxPoints; ++points) size_->addItem(QString::number(points));
    if (stored.height < 0) {
        const auto points = static_cast<int>(std::lround(-stored.height * kPointsPerInch / dpi_));
        if (points >= kMinPoints && points <= kMaxPoints) shownSize_ = points - kMinPoints;
    }
    size_->setCurrentIndex(shownSize_);

    shownBold_ = stored.weight >= kBoldFrom;
    bold_ = new QCheckBox(tr("太字"), this);
    bold_->setObjectName(QStringLiteral("checkBold"));
    bold_->setChecked(shownBold_);
    shownItalic_ = stored.italic != 0;
    italic_ = new QCheckBox(tr("斜体"), this);
    italic_->setObjectName(QStringLiteral("checkItalic"));
    italic_->setChecked(shownItalic_);

    sample_ = new QLabel(tr("あいうえお アイウエオ AaBbYyZz"), this);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setMinimumHeight(32);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("フォント名"), this), 0, 0);
    grid->addWidget(face_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("サイズ"), this), 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(bold_, 2, 1);
    grid->addWidget(italic_, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sample_);
    layout->addWidget(MakeOkCancel(this));

    connect(face_, &QComboBox::currentIndexChanged, this, &FontChooserDlg::ShowSample);
    connect(size_, &QComboBox::currentIndexChanged, this, &FontChooserDlg::ShowSample);
    connect(bold_, &QCheckBox::toggled, this, &FontChooserDlg::ShowSample);
    connect(italic_, &QCheckBox::toggled, this, &FontChooserDlg::ShowSample);
    ShowSample();
}

FontChoice FontChooserDlg::Chosen() const {
    FontChoice chosen = stored_;
    if (face_->currentIndex() != shownFace_ && face_->currentIndex() >= 0)
        chosen.face = face_->currentText().toStdString();
    if (size_->currentIndex() != shownSize_ && size_->currentIndex() >= 0) {
        const int points = kMinPoints + size_->currentIndex();
        // Negative: a character height in pixels, as the timed text expects.
        chosen.height = -static_cast<int>(std::lround(points * dpi_ / kPointsPerInch));
    }
    if (bold_->isChecked() != shownBold_) chosen.weight = bold_->isChecked() ? kBold : kNormal;
    if (italic_->isChecked() != shownItalic_) chosen.italic = italic_->isChecked() ? 1 : 0;
    return chosen;
}

void FontChooserDlg::ShowSample() {
    const FontChoice c = Chosen();
    sample_->setFont(QtTextPainter::ToQFont({c.face, c.height, c.weight, c.italic != 0, 0}));
}

}  // namespace felux

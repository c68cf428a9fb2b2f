// The lyrics view's widget: paints the frame the player composed, in the video window's place.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "player/LyricsView.h"

namespace felux {

class LyricsWidget : public QWidget {
public:
    explicit LyricsWidget(QWidget* parent);
    // The frame to paint and the face of the timed text's font, read at each paint.
    void SetSource(std::function<const LyricsFrame&()> frame, std::function<std::string()> face);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const LyricsFrame&()> frame_;
    std::function<std::string()> face_;
};

}  // namespace felux

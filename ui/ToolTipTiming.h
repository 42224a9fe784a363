#pragma once

#include <QProxyStyle>

// The tooltip timing of the window's buttons: shown after the pointer rests 500 ms (at once while
// another tooltip is up, as Qt already does), hidden after 2,500 ms. The style supplies the delay
// Qt reads per widget; the event filter supplies the display time, which no style hint sets.
class ToolTipTiming : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int wakeUpDelayMs = 500;
    static constexpr int displayTimeMs = 2500;

    explicit ToolTipTiming(QObject* parent);

    void apply(QWidget* widget);

    [[nodiscard]] int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

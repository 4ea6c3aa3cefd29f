#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace korvelin {

class BalloonTip;

// Balloon-shaped tool tips for given controls, shown after the usual hover
// delay also while the window is inactive, and hidden when the mouse leaves
// or clicks.
class BalloonToolTips : public QObject {
    Q_OBJECT
  public:
    explicit BalloonToolTips(QWidget *window);
    ~BalloonToolTips() override;

    void Add(QWidget *control, const QString &text);
    QString TextOf(const QWidget *control) const; // empty when none is bound
    // The balloon on screen, if any (for tests).
    bool IsShowing() const;
    QString ShowingText() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Show(QWidget *control, const QPoint &globalPosition);
    void Hide();

    QWidget *window_;
    QHash<const QWidget *, QString> texts_;
    QPointer<BalloonTip> balloon_;
};

} // namespace korvelin

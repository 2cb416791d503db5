#pragma once

#include <QPixmap>
#include <QWidget>

class QTimer;

namespace zev {

// The splash screen: a borderless picture in the middle of the screen. It
// closes after 2000 ms or at the first key or mouse button press anywhere in
// the application, which it takes for itself.
class CSplashScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 2000;

  explicit CSplashScreen(QWidget* parent = nullptr);
  ~CSplashScreen() override;
  const QPixmap& Picture() const { return m_pixmap; }
  QTimer* Timer() const { return m_pTimer; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Finish();

  QPixmap m_pixmap;
  QTimer* m_pTimer;
  bool m_bFinished = false;
};

}  // namespace zev

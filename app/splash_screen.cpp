#include "app/splash_screen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "app/dialogs/icons.h"

namespace zev {

CSplashScreen::CSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_pixmap(SplashPixmap()) {
  setObjectName("splashScreen");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(m_pixmap.size());
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  m_pTimer = new QTimer(this);
  m_pTimer->setSingleShot(true);
  connect(m_pTimer, &QTimer::timeout, this, &CSplashScreen::Finish);
  m_pTimer->start(kShowMilliseconds);
  qApp->installEventFilter(this);
}

CSplashScreen::~CSplashScreen() { qApp->removeEventFilter(this); }

void CSplashScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, m_pixmap);
}

void CSplashScreen::Finish() {
  if (m_bFinished) return;
  m_bFinished = true;
  qApp->removeEventFilter(this);
  m_pTimer->stop();
  close();
}

bool CSplashScreen::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Accepted, so that no shortcut fires: the key press that follows is
      // the splash screen's.
      event->accept();
      return true;
    case QEvent::KeyPress:
      Finish();
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton ||
          mouse->button() == Qt::MiddleButton) {
        Finish();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zev

#pragma once

#include <QtGlobal>
#include <memory>

class QGuiApplication;

// The Qt application that painting text needs, on the offscreen platform, so
// that td4 draws without a display, and without Qt's messages on standard
// error. Only the commands that draw start it.
class DrawingApplication {
public:
  DrawingApplication();
  ~DrawingApplication();
  DrawingApplication(const DrawingApplication&) = delete;
  DrawingApplication& operator=(const DrawingApplication&) = delete;

private:
  QtMessageHandler m_previousHandler;
  std::unique_ptr<QGuiApplication> m_app;
};

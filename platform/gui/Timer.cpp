#include <QTimer>

#include "ExtCtrls.h"
#include "GuiInternal.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  gui_internal::EnsureQtApplication();
  timer_ = std::make_unique<QTimer>();
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { FireEvent(OnTimer, this); });
  Update();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Update();
}

// A changed interval starts counting anew, as does switching the timer on.
void TTimer::Update() {
  timer_->stop();
  if (enabled_ && interval_ > 0) timer_->start(interval_);
}

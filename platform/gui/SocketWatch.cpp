#include "SocketWatch.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <map>

#include "Classes.h"
#include "GuiInternal.h"

struct TSocketWatch::Impl {
  std::function<void()> onReadable;
  std::map<int, QSocketNotifier*> notifiers;
  bool enabled = true;
};

TSocketWatch::TSocketWatch(std::function<void()> onReadable) : impl_(std::make_unique<Impl>()) {
  gui_internal::EnsureQtApplication();
  impl_->onReadable = std::move(onReadable);
}

TSocketWatch::~TSocketWatch() {
  for (auto& [fd, n] : impl_->notifiers) delete n;
}

void TSocketWatch::SetSockets(const std::vector<int>& sockets) {
  std::map<int, QSocketNotifier*> kept;
  for (int fd : sockets) {
    auto it = impl_->notifiers.find(fd);
    if (it != impl_->notifiers.end()) {
      kept.emplace(fd, it->second);
      impl_->notifiers.erase(it);
      continue;
    }
    auto* n = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read);
    n->setEnabled(impl_->enabled);
    Impl* impl = impl_.get();
    QObject::connect(n, &QSocketNotifier::activated, n, [impl] {
      if (impl->enabled && impl->onReadable) GuardedCall(impl->onReadable);  // never unwinds into Qt
    });
    kept.emplace(fd, n);
  }
  // A notifier may be the one whose signal is running right now: let Qt free it later.
  for (auto& [fd, n] : impl_->notifiers) {
    n->setEnabled(false);
    n->deleteLater();
  }
  impl_->notifiers = std::move(kept);
}

void TSocketWatch::SetEnabled(bool enabled) {
  impl_->enabled = enabled;
  if (!QCoreApplication::instance()) return;  // at exit, after the window layer
  for (auto& [fd, n] : impl_->notifiers) n->setEnabled(enabled);
}

bool TSocketWatch::Enabled() const { return impl_->enabled; }

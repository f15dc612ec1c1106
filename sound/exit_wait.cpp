#include "sound/exit_wait.h"

#include <QCoreApplication>
#include <QThread>

namespace tarvelo {

void FinishEffect(TAudioBackend& audio, const TClock& clock, std::int64_t limitMs) {
  const std::int64_t start = clock();
  while (audio.EffectPlaying() && clock() - start < limitMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(10);
  }
  audio.StopEffect();
}

}  // namespace tarvelo

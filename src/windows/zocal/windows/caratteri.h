#pragma once

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace zocal {

// The first text a window measures makes fontconfig read its whole
// configuration and the toolkit list every font on the system: some
// milliseconds in which no window can show. The program does that reading
// on a second thread while the main one connects to the display and builds
// its windows; the main thread then finds it done, or waits for its end.
class PreparazioneCaratteri {
  public:
    // Starts fontconfig's reading at once: it needs no application.
    PreparazioneCaratteri();
    // Waits for the thread; call `termina` before the application goes.
    ~PreparazioneCaratteri();
    PreparazioneCaratteri(const PreparazioneCaratteri&) = delete;
    PreparazioneCaratteri& operator=(const PreparazioneCaratteri&) = delete;

    // The application exists: the thread goes on to fill the font list.
    void applicazionepronta();
    // Returns once fontconfig's configuration is read, so that the main
    // thread never reads it a second time in parallel.
    void attendiconfigurazione();
    // Waits for the whole preparation; the application must still exist.
    void termina();

  private:
    std::mutex guardia_;
    std::condition_variable letta_;
    bool configurazioneletta_ = false;
    std::promise<bool> applicazione_;
    bool applicazionedata_ = false;
    std::thread filo_;
};

} // namespace zocal

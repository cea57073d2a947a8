#pragma once
// The application of a start-up benchmark. It reports, on standard output:
//  - after the first paint of its window has been handled (the event that
//    painted it, and flushed it to the screen, has returned):
//    "shown_ns=<CLOCK_REALTIME ns>" and "shown_cpu_ns=<process CPU ns>";
//  - after a while at rest: "peak_kb=<VmHWM>" and "rss_kb=<VmRSS>";
// and then ends its event loop.

#include <QApplication>

class StartupReportApplication : public QApplication {
public:
    StartupReportApplication(int &argc, char **argv);

    // Shows the window and runs the event loop until the report is complete.
    int showAndReport(QWidget &window);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    QWidget *m_window = nullptr;
    int m_depth = 0;         // nesting of notify() calls
    bool m_painted = false;  // a widget of the window has received a paint event
    bool m_reported = false;
};

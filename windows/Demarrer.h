#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace orbivane {

// The start window: the program's name on 256 bands from black to blue. At the first tick of
// its timer, once the event loop runs, it hands over to the main window.
class Demarrer : public QWidget {
public:
    explicit Demarrer(std::function<void(Demarrer&)> loadMainWindow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addLabels();

    QImage background_;
    QTimer timer11_;
};

} // namespace orbivane

#pragma once
#include <QObject>

// The one busy state of the window: set while an analysis runs (from its start until its outcome
// is shown). Whatever must wait listens to `promenjena`: the editing pages, undo and redo and the
// drawing with the mouse are disabled by it, and the commands that answer with a message while
// busy ask Aktivna().
class TZauzetost : public QObject {
    Q_OBJECT
public:
    explicit TZauzetost(QObject* roditelj = nullptr) : QObject(roditelj) {}
    bool Aktivna() const { return aktivna; }
    void Postavi(bool da);

Q_SIGNALS:
    void promenjena(bool aktivna);

private:
    bool aktivna = false;
};

#pragma once

#include <QStringList>

class QFileDialog;

// Gives a Qt file dialog name filters such as "Text Files (*.txt)" and
// "All Files (*.*)", each ending with its patterns in parentheses, shown
// exactly so and matching as their texts promise.
// Left to itself, Qt reads "*.*" as "names with a dot", hiding every file
// without one, and in a Save dialog it would turn a typed "list.txt" into
// "list.*" when that filter is chosen; here "*.*" matches every file.
void SetNameFilters(QFileDialog& dialog, const QStringList& texts);

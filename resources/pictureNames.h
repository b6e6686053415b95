#pragma once
#include <QString>

// What card face 501..554 shows, in a few words marked for translation, for
// screen readers; empty for any other id.
QString PictureName(int id);

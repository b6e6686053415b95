#pragma once
// The six sound slots, named after what they hold.
enum class Sound { sndFlip, sndWin, sndClick, sndMatch, sndRefuse, sndSpare };

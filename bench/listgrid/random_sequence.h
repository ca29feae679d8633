// A long fixed-seed sequence of ordinary calls on the grid and on a list view,
// each call timed alone: the worst single steps of each kind, side by side.
#pragma once

namespace gridbench
{

void RunRandomSequence();

}   // namespace gridbench

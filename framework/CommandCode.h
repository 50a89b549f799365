#pragma once

namespace framework {

// How a control reached its dialog's command handler.
enum class CommandCode { Clicked, Changed, SetFocus, Posted };

}  // namespace framework

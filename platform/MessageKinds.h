#pragma once

namespace platform {

// What a message box shows and what it returns, apart from the interface that shows
// it, so that a system's own message box code can use them.
enum class MessageIcon { None, Exclamation, Information, Question, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

}  // namespace platform

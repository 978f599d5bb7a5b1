#include "base/runtime_problem.h"

namespace zentra {

// Codes in ascending order, except that 136 stands before 135.
const std::array<RuntimeProblemEntry, kRuntimeProblemCount> RuntimeProblemTable{{
    {0, "Syntax"},
    {1, "Misplaced character"},
    {2, "Unbalanced parentheses"},
    {3, "Missing operand"},
    {4, "Missing operator"},
    {5, "Unknown operator"},
    {6, "Illegal character in name"},
    {7, "Name too long"},
    {8, "Undefined name"},
    {9, "Type mismatch"},
    {10, "Wrong number of arguments"},
    {11, "Argument out of range"},
    {12, "String too long"},
    {13, "Illegal string expression"},
    {14, "Illegal numeric expression"},
    {15, "Missing comma"},
    {16, "Missing equals sign"},
    {17, "Missing quotation mark"},
    {18, "Invalid number format"},
    {19, "Numeric constant too large"},
    {20, "Expression too complex"},
    {21, "Reserved word used as name"},
    {22, "Illegal function call"},
    {23, "Undefined function"},
    {24, "Function already defined"},
    {25, "Missing THEN"},
    {26, "Missing TO"},
    {27, "Illegal STEP value"},
    {28, "Missing keyword"},
    {29, "Line number out of range"},
    {30, "Undefined line number"},
    {31, "Undefined label"},
    {32, "Duplicate label"},
    {33, "Line too long"},
    {34, "FOR without NEXT"},
    {35, "NEXT without FOR"},
    {36, "WHILE without WEND"},
    {37, "WEND without WHILE"},
    {38, "DO without LOOP"},
    {39, "LOOP without DO"},
    {40, "IF without END IF"},
    {41, "ELSE without IF"},
    {42, "END IF without IF"},
    {43, "SELECT without END SELECT"},
    {44, "CASE without SELECT"},
    {45, "RETURN without GOSUB"},
    {46, "GOSUB nesting too deep"},
    {47, "SUB without END SUB"},
    {48, "FUNCTION without END FUNCTION"},
    {49, "EXIT outside of a block"},
    {50, "Statement illegal in this context"},
    {51, "Statement illegal in immediate mode"},
    {52, "Program too large"},
    {53, "No program loaded"},
    {54, "Can't CONTINUE"},
    {55, "Out of DATA"},
    {56, "Illegal channel number"},
    {57, "Channel not open"},
    {58, "Channel already open"},
    {59, "File not found"},
    {60, "File already exists"},
    {61, "Path not found"},
    {62, "Access denied"},
    {63, "Disk full"},
    {64, "Input past end of file"},
    {65, "Bad file mode"},
    {66, "Bad record number"},
    {67, "Record too long"},
    {68, "Field overflow"},
    {69, "Too many files open"},
    {70, "Device unavailable"},
    {71, "Device I/O"},
    {72, "Device timeout"},
    {73, "Can't rename across devices"},
    {74, "File is read-only"},
    {75, "File is locked"},
    {76, "Sharing violation"},
    {77, "Bad file name"},
    {78, "Can't close channel"},
    {79, "Memory allocation"},
    {80, "Subscript out of range"},
    {81, "Array not dimensioned"},
    {82, "Array already dimensioned"},
    {83, "Wrong number of dimensions"},
    {84, "Illegal array bounds"},
    {85, "Array too large"},
    {86, "Array is fixed size"},
    {87, "Can't REDIM a static array"},
    {88, "Array in use"},
    {89, "Array expected"},
    {90, "Array type mismatch"},
    {91, "Null pointer"},
    {92, "Pointer out of range"},
    {93, "Dangling pointer"},
    {94, "Object not created"},
    {95, "Object already created"},
    {96, "Object type mismatch"},
    {97, "Undefined method"},
    {98, "Undefined property"},
    {99, "Property is read-only"},
    {100, "Method call on deleted object"},
    {101, "Invalid object reference"},
    {102, "Object in use"},
    {103, "Too many objects"},
    {104, "Invalid type conversion"},
    {105, "Invalid pointer arithmetic"},
    {106, "Stack overflow"},
    {107, "Stack underflow"},
    {108, "Out of string space"},
    {109, "String heap corrupted"},
    {110, "Out of memory for variables"},
    {111, "Too many variables"},
    {112, "Too many nested calls"},
    {113, "Recursion too deep"},
    {114, "Arithmetic processor"},
    {115, "Invalid argument to function"},
    {116, "Negative square root"},
    {117, "Logarithm of non-positive number"},
    {118, "Illegal power"},
    {119, "Invalid angle"},
    {120, "Integer overflow"},
    {121, "Integer division by zero"},
    {122, "Invalid integer conversion"},
    {123, "Invalid bit count"},
    {124, "Invalid base"},
    {125, "Precision loss in conversion"},
    {126, "Arithmetic"},
    {127, "Attempt to divide by zero"},
    {128, "Invalid floating-point operation"},
    {129, "Denormal operand"},
    {130, "Inexact result"},
    {131, "Floating-point stack fault"},
    {132, "Uninitialized variable"},
    {133, "Variable is constant"},
    {134, "Illegal assignment"},
    {136, "Can't ALLOCATE"},
    {135, "Can't DEALLOCATE"},
    {137, "Heap corrupted"},
    {138, "Loss of arithmetic significance"},
    {139, "Value is outside allowed arithmetic range"},
    {140, "Arithmetic overflow"},
    {141, "Arithmetic underflow"},
    {142, "Break pressed"},
    {143, "Program interrupted"},
    {144, "Timeout"},
    {145, "Feature not available"},
    {146, "Unknown command"},
    {147, "Bad command argument"},
    {148, "Configuration"},
    {149, "Version mismatch"},
    {150, "Resource not found"},
    {151, "Resource busy"},
    {152, "Operation cancelled"},
    {153, "Internal"},
    {154, "TEST ERROR"},
    {154, " Error message failure!"},  // closing entry: matched by its blank
}};

std::string_view runtimeProblemText(int code) {
    for (const RuntimeProblemEntry& entry : RuntimeProblemTable) {
        if (entry.text[0] == ' ' || entry.code == code) return entry.text;
    }
    return RuntimeProblemTable.back().text;  // unreachable: the closing entry ends every walk
}

std::string runtimeProblemMessage(int code, std::optional<std::string_view> detail) {
    std::string message = "Runtime Problem: ";
    message += runtimeProblemText(code);
    if (detail) {
        message += " '";
        message += *detail;
        message += '\'';
    }
    return message;
}

void presentRuntimeProblem(const RuntimeProblemPresenter& presenter, const std::string& message) {
    if (presenter) presenter(message);
}

void reportRuntimeProblem(const RuntimeProblemPresenter& presenter, int code,
                          std::optional<std::string_view> detail) {
    std::string message = runtimeProblemMessage(code, detail);
    presentRuntimeProblem(presenter, message);
    throw RuntimeProblem(code, std::move(message));
}

}  // namespace zentra

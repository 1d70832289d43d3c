// Rows of parameterised tests, known by their name: a file's row structs
// print as it (in the test list and in a failure's "where GetParam() ="),
// once its namespace says `using named_rows::operator<<;`, and each case
// takes it as its test name with named_rows::RowName().
#ifndef VELMORA_TESTS_NAMED_ROWS_H
#define VELMORA_TESTS_NAMED_ROWS_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace named_rows {

// Only for rows with a name; found by argument lookup through the using
// declaration, as the rows live in each file's own namespace.
template <class Row>
auto operator<<(std::ostream& out, const Row& row) -> decltype(out << row.name)
{
    return out << row.name;
}

// The name must be letters, digits and underscores, and unique in its table.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

}  // namespace named_rows

#endif  // VELMORA_TESTS_NAMED_ROWS_H

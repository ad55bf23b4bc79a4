#pragma once
// What closing a project forgets besides its names: the results computed for
// it and the names of its energy model files.
namespace kelca {

struct Workspace;

// Clears every result table and energy-model file name of the project. Each
// table that holds project results is cleared here, so that closing a project
// never leaves results of the old one behind.
void ClearProjectResults(Workspace& ws);

}  // namespace kelca

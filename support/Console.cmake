#Console prompts, their terminal layer and fCreer(module FICHIERS).
target_sources(adjora_support PRIVATE "${CMAKE_CURRENT_LIST_DIR}/Console.cpp"
                                      "${CMAKE_CURRENT_LIST_DIR}/Terminal.cpp"
                                      "${CMAKE_CURRENT_LIST_DIR}/CreationFichier.cpp")

/*
    Writes the two embedded weight files: duveline_weights <output folder>.
*/
#include "WeightDesign.h"

#include <fstream>
#include <iostream>

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }

    const std::string folder = argv[1];
    for (const auto& [rate, name] :
         { std::pair { 96000.0, "ModelWeights96k.json" }, std::pair { 192000.0, "ModelWeights192k.json" } })
    {
        const auto path = folder + "/" + name;
        std::ofstream file (path, std::ios::binary);
        file << weights::formatModelWeights (weights::designModelWeights (rate));
        if (!file)
        {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
        std::cout << "wrote " << path << "\n";
    }
    return 0;
}

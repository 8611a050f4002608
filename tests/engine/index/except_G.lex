laide laid
laide laideron

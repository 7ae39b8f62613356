"""Theme word lists for the games ("*.vcb": one word a line, letters a-z only,
so that any course that has taught the letters can use them)."""

ANIMALS = """
aardvark albatross alligator alpaca anchovy ant anteater antelope ape armadillo
baboon badger barracuda bat beagle bear beaver bee beetle bison blackbird boar
bobcat buffalo bull bumblebee butterfly buzzard camel canary capybara caribou carp
cat caterpillar catfish centipede chameleon cheetah chicken chimpanzee chinchilla
chipmunk clam cobra cockatoo cod condor coral cougar cow coyote crab crane cricket
crocodile crow cuckoo deer dingo dodo dog dolphin donkey dove dragonfly duck eagle
earthworm eel egret elephant elk emu falcon ferret finch firefly flamingo flea fly
fox frog gazelle gecko gerbil gibbon giraffe gnat gnu goat goldfinch goldfish goose
gorilla grasshopper grouse gull hamster hare hawk hedgehog heron herring hippo
hornet horse hummingbird hyena ibis iguana impala jackal jaguar jay jellyfish
kangaroo kingfisher kitten kiwi koala ladybird lamb lark lemming lemur leopard lion
lizard llama lobster locust lynx macaw magpie mallard mammoth manatee mantis marmot
meerkat mink mole mongoose monkey moose mosquito moth mouse mule narwhal newt
nightingale octopus opossum orangutan ostrich otter owl ox oyster panda panther
parrot partridge peacock pelican penguin pheasant pig pigeon piglet pike platypus
pony porcupine porpoise possum puffin puma python quail rabbit raccoon ram rat raven
reindeer rhino robin salamander salmon sardine scorpion seahorse seal shark sheep
shrew shrimp skunk sloth slug snail snake sparrow spider squid squirrel starfish
stingray stork swallow swan tadpole tapir termite tiger toad tortoise toucan trout
tuna turkey turtle viper vulture wallaby walrus wasp weasel whale wolf wombat
woodpecker worm wren yak zebra
"""

FOOD = """
apple apricot artichoke asparagus avocado bacon bagel banana barley basil bean beef
beetroot biscuit blackberry blueberry bread broccoli brownie butter cabbage cake
carrot cashew cauliflower celery cereal cheese cherry chestnut chickpea chilli chips
chives chocolate chutney cinnamon clove coconut coffee cookie corn couscous cracker
cranberry cream crepe croissant cucumber cumin cupcake curry custard date dill
doughnut dumpling egg eggplant fennel fig flour fudge garlic ginger gooseberry
crumpet grape grapefruit gravy ham hazelnut herb honey hummus icing jam jelly juice
kale kebab ketchup kiwi lasagne leek lemon lentil lettuce lime macaroni mango 
marmalade marzipan mayonnaise meatball melon milk mint muesli muffin mushroom
mustard noodle nutmeg oat oatmeal olive omelette onion orange oregano pancake papaya
paprika parsley parsnip pasta pastry pea peach peanut pear pecan pepper pickle pie
pineapple pistachio pizza plum popcorn porridge potato pretzel prune pudding pumpkin
quiche radish raisin raspberry rhubarb rice risotto roll saffron sage salad salami
sandwich sauce sausage scone semolina sesame soup spinach sponge squash stew
strawberry sugar sultana sushi syrup taco tangerine tart tea thyme toast toffee tofu
tomato trifle truffle turnip vanilla vinegar waffle walnut watercress watermelon
wheat yam yogurt zucchini
"""

NATURE = """
acorn avalanche bark bay beach blossom bog boulder branch breeze brook bud bush
canyon cave cliff cloud coast comet creek crystal dawn delta desert dew drizzle
drought dune dusk earth eclipse estuary evening fern field fjord flood flower fog
forest frost galaxy garden geyser glacier glade grass gravel grove gust hail 
heath hedge hill horizon ice iceberg island ivy jungle lagoon lake landscape lava
leaf lichen lightning marsh meadow mist moon moor moss mountain mud nectar oasis
ocean orchard pebble peninsula petal pine plain planet plateau pollen pond prairie
puddle rain rainbow rapids reed reef ridge river rock root sand sapling savanna sea
season seed shade shore shower sky sleet slope snow snowflake soil spring star stem
stone storm stream summit sun sunrise sunset swamp thicket thunder tide timber
tornado tree tundra twig valley vine volcano waterfall wave weather wetland
wilderness willow wind winter wood autumn bramble cactus clover crater daisy
dewdrop ember feather flint hollow lake lily maple  nettle oak seaweed
shell spruce thistle thaw tulip
"""

HOME = """
armchair attic balcony basin basket bath bathroom bed bedroom bench blanket blind
bookcase bottle bowl broom brush bucket cabinet candle carpet ceiling cellar chair
chimney clock closet cupboard curtain cushion desk dishwasher doorbell door doormat
drawer dresser duster duvet fence fireplace floor fork freezer fridge garage gate
glass hallway hammer hanger heater hinge hook iron jar jug kettle key kitchen knife
ladder lamp lantern laundry lawn letterbox lid lock loft mattress microwave mirror
mop mug nail napkin oven pan pantry pillow plate plug porch pot quilt radiator radio
 roof rug saucepan saucer scissors screw shed sheet shelf shower sink sofa spoon
staircase stairs stool stove switch table tablecloth tap teapot television tile
toaster toilet towel tray vase wall wardrobe washbasin window windowsill workshop
apron bin bolt button calendar chest coat cot cradle dustpan fan flask frame funnel
grater hose ladle mat mantelpiece bedside padlock paintbrush photo 
playroom pegs plant rake ruler sack stepladder  teacup torch tub umbrella
vacuum wheelbarrow whisk wrench
"""

TRAVEL = """
abroad adventure airport airline aisle arrival atlas backpack baggage bicycle
boarding booking border bridge bus cabin camera camp campsite canal canoe captain car
caravan carriage castle city coach compass cottage crossing cruise customs cycle deck
delay depart departure destination explore fare ferry flight fuel  guide
guidebook harbour helicopter highway hike holiday hostel hotel  itinerary
jetty journey junction kayak landing landmark lane lighthouse locomotive luggage map
marina market minibus monument mooring motel motorway museum navigator overnight
paddle palace panorama parking passenger passport path pier pilot platform port
postcard quay queue rail railway ramble receipt reservation resort road route
rucksack runway sail sailor sandal scenery scooter seat ship shuttle sightseeing
signpost skyline sleeper souvenir station steward stopover street suitcase 
sunscreen taxi tent terminal terrace ticket timetable toll tour tourist tower track
trail train tram transfer travel traveller trip trolley tunnel underground vacation
van viewpoint village visa visit voyage wagon walk wander waterfront wharf yacht
"""

MUSIC = """
accordion acoustic alto amplifier anthem applause aria audience backstage bagpipes
ballad ballet band banjo baritone bass bassoon baton beat bell bluegrass bongo bow
brass bugle cadence cantata carol cello chant chime choir chord choral chorus
clarinet classical clef composer concert concerto conductor cornet crescendo cue
cymbal dance disco drum drummer duet echo encore ensemble fanfare fiddle finale folk
flute gong gospel guitar harmonica harmony harp harpsichord horn hymn improvise
instrument interval jazz jingle keyboard lullaby lute lyric lyricist maestro major
mandolin march medley melody metronome microphone minor minuet music musician note
oboe octave opera orchestra organ overture pianist piano piccolo pitch playlist polka
quartet quintet recorder refrain reggae rehearsal rhythm riff rock rondo samba
saxophone scale score serenade session singer solo soloist sonata song soprano soul
staccato stage string studio swing symphony tambourine tango tempo tenor timpani tone
treble triangle trio trombone trumpet tuba tune tuning ukulele verse vinyl viola
violin violinist vocal volume waltz whistle xylophone yodel zither
"""

LISTS = {
    "Animals": ("Animals", ANIMALS),
    "Food": ("Food and cooking", FOOD),
    "Nature": ("Nature and weather", NATURE),
    "Home": ("In the home", HOME),
    "Travel": ("Travel and journeys", TRAVEL),
    "Music": ("Music", MUSIC),
}


# Words that stand in two lists on purpose: they mean something else in each
# (the bird and the fruit, the stone and the music, rain and the bathroom).
SHARED = {"kiwi", "rock", "shower"}


def words(text):
    """The words of a list, sorted, each once."""
    return sorted(set(text.split()))


def check_lists():
    """One spelling (British) throughout, and no word in two lists unless it
    is one of SHARED."""
    seen = {}
    for name, (_, text) in LISTS.items():
        for w in words(text):
            if w in seen and w not in SHARED:
                raise ValueError(f"{w!r} is in {seen[w]} and {name}")
            seen.setdefault(w, name)
